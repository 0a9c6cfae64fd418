// The compiled-in resource files: the same bytes through Qt's resource system
// and the plain table, found by path, and every path the forms name present.
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "resources/resource_bytes.h"

namespace pictor {
namespace {

TEST(ResourceFiles, AreSortedByPathAndFoundByIt) {
  auto files = ResourceFiles();
  ASSERT_GT(files.size(), 50u);
  for (std::size_t i = 1; i < files.size(); ++i) EXPECT_LT(files[i - 1].path, files[i].path);
  for (const EmbeddedFile& f : files) {
    EXPECT_FALSE(f.bytes.empty()) << f.path;
    EXPECT_EQ(ResourceBytes(f.path).data(), f.bytes.data()) << f.path;
  }
  EXPECT_TRUE(ResourceBytes(":/glyphs/nothing.bmp").empty());
  EXPECT_TRUE(ResourceBytes("").empty());
  EXPECT_TRUE(ResourceBytes(":/glyphs/pen.bm").empty());
}

TEST(ResourceFiles, QtResourcesHoldTheSameBytes) {
  for (const EmbeddedFile& f : ResourceFiles()) {
    QFile file(QString::fromUtf8(f.path.data(), static_cast<qsizetype>(f.path.size())));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << f.path;
    QByteArray data = file.readAll();
    ASSERT_EQ(static_cast<std::size_t>(data.size()), f.bytes.size()) << f.path;
    EXPECT_TRUE(std::equal(f.bytes.begin(), f.bytes.end(),
                           reinterpret_cast<const std::uint8_t*>(data.constData())))
        << f.path;
  }
}

TEST(ResourceFiles, LoadingAMissingBitmapFailsAndKeepsTheTarget) {
  TBitmap bitmap;
  bitmap.SetSize(3, 2);
  EXPECT_THROW(LoadResourceBitmap(":/glyphs/missing.bmp", bitmap), EInvalidGraphic);
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
  // A file that is not a bitmap is refused by the bitmap reader.
  EXPECT_THROW(LoadResourceBitmap(":/cursors/CRPEN.cur", bitmap), EInvalidGraphic);
  EXPECT_EQ(bitmap.Width(), 3);
}

bool IsTip(const std::string& path) {
  for (int n = 1; n <= 6; ++n) {
    std::string number = std::to_string(n);
    if (path == ":/glyphs/brush" + number + ".bmp") return true;
    if (n <= 4 && path == ":/glyphs/eraser" + number + ".bmp") return true;
  }
  return false;
}

TEST(ResourceFiles, ButtonGlyphsHaveTheirBackgroundAtTheBottomLeft) {
  // A button shows a glyph with the colour of its bottom-left pixel left
  // out; for pictures that is fuchsia, for the tips white.
  for (const EmbeddedFile& f : ResourceFiles()) {
    std::string path(f.path);
    if (path.rfind(":/glyphs/", 0) != 0) continue;
    TBitmap glyph;
    LoadResourceBitmap(path, glyph);
    TColor corner = glyph.Canvas()->Pixels(0, glyph.Height() - 1);
    EXPECT_EQ(corner, IsTip(path) ? clWhite : clFuchsia) << path;
    EXPECT_LE(glyph.Width(), 32) << path;
    EXPECT_LE(glyph.Height(), 16) << path;
  }
}

// Black pixels in each row of a glyph, top to bottom.
std::vector<int> BlackPerRow(const std::string& path) {
  TBitmap glyph;
  LoadResourceBitmap(path, glyph);
  std::vector<int> rows(glyph.Height());
  for (int y = 0; y < glyph.Height(); ++y)
    for (int x = 0; x < glyph.Width(); ++x) rows[y] += glyph.Canvas()->Pixels(x, y) == clBlack;
  return rows;
}

TEST(ResourceFiles, SpinArrowsPointUpAndDown) {
  std::vector<int> up = BlackPerRow(":/glyphs/KSpinUp.bmp");
  std::vector<int> down = BlackPerRow(":/glyphs/KSpinDown.bmp");
  ASSERT_EQ(up.size(), down.size());
  // The arrow widens away from its point.
  EXPECT_TRUE(std::is_sorted(up.begin(), up.end() - 1)) << "up";
  EXPECT_TRUE(std::is_sorted(down.rbegin(), down.rend() - 1)) << "down";
  EXPECT_EQ(up.front(), 1);
  EXPECT_EQ(down.back(), 1);
}

std::string ReadText(const std::string& fileName) {
  std::ifstream in(fileName);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(ResourceFiles, EveryPathTheFormsNameIsPresent) {
  int named = 0;
  for (const char* form : {"dlg_pictor.ui", "about_box.ui"}) {
    std::string text = ReadText(std::string(PICTOR_SOURCE_DIR) + "/resources/forms/" + form);
    ASSERT_FALSE(text.empty()) << form;
    // Every ":/..." path up to the end of its XML element.
    for (auto start = text.find(":/"); start != std::string::npos;
         start = text.find(":/", start + 2)) {
      std::string path = text.substr(start, text.find('<', start) - start);
      ++named;
      EXPECT_FALSE(ResourceBytes(path).empty()) << form << " names " << path;
    }
  }
  EXPECT_GT(named, 40);
}

}  // namespace
}  // namespace pictor
