// The clipboard: bitmaps with their palette round trip; images of other
// programs are read; an empty clipboard is an error.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "host/graphics/handle_table.h"
#include "host/toolkit/clipboard.h"
#include "tests/support/qt_application.h"

namespace pictor {
namespace {

void MakePaletteBitmap(TBitmap& b) {
  b.SetPixelFormat(pf4bit);
  std::vector<PALETTEENTRY> entries(16);
  for (int i = 0; i < 16; ++i)
    entries[static_cast<std::size_t>(i)] =
        PALETTEENTRY{static_cast<std::uint8_t>(i * 16), static_cast<std::uint8_t>(255 - i * 8),
                     static_cast<std::uint8_t>(i * 3), 0};
  LOGPALETTE log;
  log.palNumEntries = 16;
  log.palPalEntry = entries;
  b.SetPalette(CreatePalette(log));
  b.SetSize(7, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) b.Canvas()->SetPixels(x, y, EntryColor(entries[(x + y * 7) % 16]));
}

std::vector<PALETTEENTRY> Entries(const TBitmap& b) {
  const unsigned n = GetPaletteEntries(b.Palette(), 0, 0, nullptr);
  std::vector<PALETTEENTRY> e(n);
  GetPaletteEntries(b.Palette(), 0, n, e.data());
  return e;
}

TEST(ClipboardTest, ABitmapComesBackWithItsFormatPaletteAndPixels) {
  TBitmap original;
  MakePaletteBitmap(original);
  Clipboard()->Assign(original);
  EXPECT_TRUE(Clipboard()->HasFormat(CF_PICTURE));
  EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
  TBitmap pasted;
  Clipboard()->AssignTo(pasted);
  ASSERT_EQ(pasted.Width(), 7);
  ASSERT_EQ(pasted.Height(), 5);
  EXPECT_EQ(pasted.PixelFormat(), pf4bit);
  EXPECT_EQ(Entries(pasted), Entries(original));
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x)
      EXPECT_EQ(pasted.Canvas()->Pixels(x, y), original.Canvas()->Pixels(x, y));
}

TEST(ClipboardTest, OtherProgramsSeeAnImage) {
  TBitmap original;
  MakePaletteBitmap(original);
  Clipboard()->Assign(original);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_TRUE(data->hasImage());
  const QImage image = qvariant_cast<QImage>(data->imageData());
  ASSERT_EQ(image.size(), QSize(7, 5));
  const TColor c = original.Canvas()->Pixels(3, 2);
  EXPECT_EQ(image.pixelColor(3, 2), QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
}

TEST(ClipboardTest, AnImageOfAnotherProgramIsRead) {
  QImage image(3, 2, QImage::Format_RGB32);
  image.fill(QColor(10, 20, 30));
  image.setPixelColor(2, 1, QColor(200, 100, 50));
  QGuiApplication::clipboard()->setImage(image);
  TBitmap pasted;
  Clipboard()->AssignTo(pasted);
  EXPECT_EQ(pasted.Width(), 3);
  EXPECT_EQ(pasted.Canvas()->Pixels(0, 0), RGB(10, 20, 30));
  EXPECT_EQ(pasted.Canvas()->Pixels(2, 1), RGB(200, 100, 50));
}

TEST(ClipboardTest, NoPictureIsAnErrorThatLeavesTheBitmap) {
  QGuiApplication::clipboard()->setText("just text");
  EXPECT_FALSE(Clipboard()->HasFormat(CF_PICTURE));
  TBitmap bitmap;
  MakePaletteBitmap(bitmap);
  try {
    Clipboard()->AssignTo(bitmap);
    FAIL() << "no error";
  } catch (const EInvalidGraphic& e) {
    EXPECT_STREQ(e.what(), "The clipboard holds no picture.");
  }
  EXPECT_EQ(bitmap.Width(), 7);
  Clipboard()->Clear();
  EXPECT_THROW(Clipboard()->AssignTo(bitmap), EInvalidGraphic);
}

TEST(ClipboardTest, AMetafileAloneIsAPictureButNotABitmap) {
  auto* data = new QMimeData;
  data->setData("image/x-emf", QByteArray("not read"));
  QGuiApplication::clipboard()->setMimeData(data);
  EXPECT_TRUE(Clipboard()->HasFormat(CF_PICTURE));
  EXPECT_FALSE(Clipboard()->HasFormat(CF_BITMAP));
  TBitmap bitmap;
  EXPECT_THROW(Clipboard()->AssignTo(bitmap), EInvalidGraphic);
}

}  // namespace
}  // namespace pictor
