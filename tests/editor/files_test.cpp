// The file commands through their buttons: New, Load of each file type,
// Save as bitmap or JPEG, the image attributes, and what a refused or failed
// command leaves (everything as it was).
#include <gtest/gtest.h>

#include "attributes/image_attributes_dialog.h"
#include "editor/picture_conversion.h"
#include "host/graphics/icon.h"
#include "host/graphics/jpeg_image.h"
#include "host/graphics/metafile.h"
#include "host/graphics/streams.h"
#include "host/toolkit/application.h"
#include "host/toolkit/test_hooks.h"
#include "tests/editor/tools_test_support.h"
#include "tests/support/corpus.h"
#include "tests/support/pattern_bitmap.h"
#include "tests/support/temp_files.h"

namespace pictor::edtest {
namespace {

using testing::PaletteSize;
using testing::PatternBitmap;
using Bytes = std::vector<std::uint8_t>;

Bytes FileImage(const TGraphic& graphic) {
  TMemoryStream stream;
  graphic.SaveToStream(stream);
  return Bytes(stream.Memory(), stream.Memory() + stream.Size());
}

// The attributes dialog, when it shows, takes this size and colour row and OK.
void ScriptAttributes(int width, int height, int row, bool ok = true) {
  test_hooks::ScriptModal([=](TForm& form) {
    auto& d = dynamic_cast<TdlgImageAttributes&>(form);
    d.seWidth->SetValue(width);
    d.seHeight->SetValue(height);
    d.gbColors->SetItemIndex(row);
    (ok ? d.btOK : d.btCancel)->Click();
  });
}

class FilesTest : public ToolsTest {
 protected:
  void TearDown() override {
    EXPECT_EQ(test_hooks::PendingScripts(), 0);
    test_hooks::ClearScripts();
    test_hooks::TakeFileDialogCalls();
  }
  // A click as the pointer gives it: an error is shown, not thrown. Returns
  // the texts of the messages shown.
  std::vector<std::string> Click(TSpeedButton* button) {
    test_hooks::CaptureMessages(true);
    RunGuarded([&] { button->Click(); });
    std::vector<std::string> texts;
    for (const auto& m : test_hooks::TakeMessages()) texts.push_back(m.Text);
    test_hooks::CaptureMessages(false);
    return texts;
  }
  // One pen dot: the history then holds two entries.
  void PaintDot() {
    Choose(dialog.sbPen);
    Press(1, 1);
    Release(1, 1);
    ASSERT_EQ(a.History().Count(), 2);
  }
  // A fresh document: the pen is the tool and the history holds it alone.
  void ExpectFreshDocument() {
    EXPECT_TRUE(a.Modified());
    EXPECT_EQ(a.History().Count(), 1);
    EXPECT_FALSE(dialog.CanUndo());
    EXPECT_TRUE(dialog.sbPen->Down());
    EXPECT_FALSE(a.Selected());
    EXPECT_TRUE(a.PasteBitmap().Empty());
  }

  testing::TempFolder folder;
};

TEST_F(FilesTest, NewMakesABlankDocumentAndItsCancelChangesNothing) {
  PaintDot();
  a.Modified() = false;
  ScriptAttributes(100, 100, 1, false);
  EXPECT_TRUE(Click(dialog.sbNew).empty());
  EXPECT_EQ(Painted().size(), 1u);
  EXPECT_EQ(a.History().Count(), 2);
  EXPECT_FALSE(a.Modified());

  a.Selected() = true;
  test_hooks::ScriptModal([](TForm& form) { form.DefaultButton()->Click(); });  // the presets
  EXPECT_TRUE(Click(dialog.sbNew).empty());
  EXPECT_EQ(a.Bitmap().Width(), 100);
  EXPECT_EQ(a.Bitmap().Height(), 100);
  EXPECT_EQ(a.Bitmap().PixelFormat(), pf4bit);
  EXPECT_EQ(PaletteSize(a.Bitmap()), 16u);
  EXPECT_TRUE(Painted().empty());
  ExpectFreshDocument();
}

TEST_F(FilesTest, LoadTakesEachFileTypeWithItsStandardPalette) {
  const auto oneBit = PatternBitmap(pf1bit, 7, 5);
  oneBit->SaveToFile(folder / "one.bmp");
  const auto photo = PatternBitmap(pf24bit, 9, 4);
  photo->SaveToFile(folder / "photo.bmp");
  TJPEGImage jpeg;
  jpeg.Assign(photo.get());
  jpeg.SaveToFile(folder / "photo.JPG");
  // Icons and metafiles are drawn over white at their size, in colour also
  // when the document was 1-bit.
  TIcon icon;
  icon.LoadFromFile(testing::Corpus("icon/dib_24bit.ico"));
  TMetafile metafile;
  metafile.LoadFromFile(testing::Corpus("wmf/figures.wmf"));
  TBitmap drawnIcon;
  DrawGraphicInto(icon, drawnIcon);

  struct Case {
    std::string file;
    TPixelFormat format;
    unsigned palette;
    TBitmap* pixels;  // what the document holds, or nullptr: the size only
    int width, height;
  } cases[] = {
      {folder / "one.bmp", pf1bit, 2, oneBit.get(), 7, 5},
      {folder / "photo.bmp", pf24bit, 216, photo.get(), 9, 4},
      {folder / "photo.JPG", pf24bit, 216, nullptr, 9, 4},
      {testing::Corpus("icon/dib_24bit.ico"), pfDevice, 216, &drawnIcon, icon.Width(),
       icon.Height()},
      {testing::Corpus("wmf/figures.wmf"), pfDevice, 216, nullptr, metafile.Width(),
       metafile.Height()},
  };
  for (const Case& c : cases) {
    Open(4, 4, pf1bit);  // the marquee is the tool
    test_hooks::ScriptFileDialog(c.file);
    EXPECT_TRUE(Click(dialog.sbLoad).empty()) << c.file;
    EXPECT_EQ(a.Bitmap().PixelFormat(), c.format) << c.file;
    EXPECT_EQ(PaletteSize(a.Bitmap()), c.palette) << c.file;
    ASSERT_EQ(a.Bitmap().Width(), c.width) << c.file;
    ASSERT_EQ(a.Bitmap().Height(), c.height) << c.file;
    for (int y = 0; c.pixels && y < c.height; ++y)
      for (int x = 0; x < c.width; ++x)
        ASSERT_EQ(Pixel(x, y), c.pixels->Canvas()->Pixels(x, y)) << c.file << " " << x << "," << y;
    ExpectFreshDocument();
  }
}

TEST_F(FilesTest, ALoadThatFailsOrIsRefusedLeavesTheDocumentItsHistoryAndSelection) {
  PaintDot();
  a.Modified() = false;
  a.Selected() = true;
  const Bytes before = FileImage(a.Bitmap());
  testing::WriteBytes(folder / "damaged.bmp", {'B', 'M', 1, 2, 3});
  PatternBitmap(pf24bit, 3, 3)->SaveToFile(folder / "picture.png");
  struct Case {
    std::string file;
    std::string said;
  } cases[] = {{folder / "damaged.bmp", "damaged.bmp"},
               {folder / "missing.jpg", "No such file"},
               {folder / "picture.png", ".bmp, .jpg, .ico, .emf and .wmf"}};
  for (const Case& c : cases) {
    test_hooks::ScriptFileDialog(c.file);
    const auto said = Click(dialog.sbLoad);
    ASSERT_EQ(said.size(), 1u) << c.file;
    EXPECT_NE(said[0].find(c.file), std::string::npos) << said[0];
    EXPECT_NE(said[0].find(c.said), std::string::npos) << said[0];
    EXPECT_EQ(FileImage(a.Bitmap()), before) << c.file;
    EXPECT_EQ(a.History().Count(), 2);
    EXPECT_TRUE(dialog.CanUndo());
    EXPECT_TRUE(a.Selected());
    EXPECT_FALSE(a.Modified());
  }
}

TEST_F(FilesTest, SaveWritesBitmapsAndJpegsOnlyAndNeverABrokenFile) {
  PaintDot();
  test_hooks::ScriptFileDialog(folder / "pic");  // the dialog adds ".bmp"
  EXPECT_TRUE(Click(dialog.sbSave).empty());
  EXPECT_EQ(testing::ReadBytes(folder / "pic.bmp"), FileImage(a.Bitmap()));

  test_hooks::ScriptFileDialog(folder / "X.JPG");
  EXPECT_TRUE(Click(dialog.sbSave).empty());
  TJPEGImage best;
  best.SetCompressionQuality(100);
  best.Assign(&a.Bitmap());
  EXPECT_EQ(testing::ReadBytes(folder / "X.JPG"), FileImage(best));

  // Types that are not written, and a write that fails: nothing changes on disk.
  const Bytes old = testing::ReadBytes(folder / "pic.bmp");
  for (const char* name : {"a.png", "a.ico", "a.wmf"}) {
    test_hooks::ScriptFileDialog(folder / name);
    const auto said = Click(dialog.sbSave);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find(".bmp or .jpg"), std::string::npos) << said[0];
  }
  {
    testing::FileSizeLimit limit(64);
    test_hooks::ScriptFileDialog(folder / "pic.bmp");
    const auto said = Click(dialog.sbSave);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find(folder / "pic.bmp"), std::string::npos) << said[0];
  }
  EXPECT_EQ(testing::ReadBytes(folder / "pic.bmp"), old);
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"X.JPG", "pic.bmp"}));

  // An empty document is not saved: no dialog at all.
  TBitmap empty;
  dialog.SetFrame(&empty);
  test_hooks::TakeFileDialogCalls();
  EXPECT_TRUE(Click(dialog.sbSave).empty());
  EXPECT_TRUE(test_hooks::TakeFileDialogCalls().empty());
}

TEST_F(FilesTest, AttributesChangeTheDocumentInPlaceAndLeaveNothingToUndo) {
  Open(100, 100);
  PaintDot();
  a.Modified() = false;
  // A preview of the old image does not outlive the change.
  Choose(dialog.sbMarquee);
  a.Shape().Assign(&a.Bitmap());
  const TBitmap* document = &a.Bitmap();
  ScriptAttributes(50, 200, 2);
  EXPECT_TRUE(Click(dialog.sbAttributes).empty());
  EXPECT_EQ(&a.Bitmap(), document);
  EXPECT_EQ(a.Bitmap().Width(), 50);
  EXPECT_EQ(a.Bitmap().Height(), 200);
  EXPECT_EQ(a.Bitmap().PixelFormat(), pf8bit);
  EXPECT_EQ(PaletteSize(a.Bitmap()), 216u);
  EXPECT_EQ(Pixel(1, 1), clBlack);
  EXPECT_TRUE(a.Shape().Empty());
  EXPECT_TRUE(a.Modified());
  EXPECT_EQ(a.History().Count(), 1);
  EXPECT_FALSE(dialog.CanUndo());
  EXPECT_TRUE(dialog.sbMarquee->Down());
}

}  // namespace
}  // namespace pictor::edtest
