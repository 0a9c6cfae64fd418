// Reading pointers from cursor files: the image shown, its hot spot, and the
// files that are not pointers.
#include <gtest/gtest.h>

#include <string>

#include "host/graphics/errors.h"
#include "host/graphics/icon.h"
#include "tests/graphics/icon/icon_builder.h"

namespace pictor::icontest {
namespace {

// A two-colour pointer of `color` whose top row is masked out.
IconBitmap Pointer(int size, std::uint32_t color) {
  IconBitmap d;
  d.width = d.height = size;
  d.bitCount = 1;
  d.colors = {0x000000, color};
  d.pixels.assign(static_cast<std::size_t>(size) * size, 1);
  d.mask.assign(static_cast<std::size_t>(size), std::string(static_cast<std::size_t>(size), '0'));
  d.mask[0] = std::string(static_cast<std::size_t>(size), '1');
  return d;
}

// A cursor entry: the hot spot sits where an icon entry has planes and bit count.
Entry CursorEntry(const IconBitmap& bitmap, int hotX, int hotY) {
  Entry e = EntryFor(bitmap);
  e.planes = hotX;
  e.bitCount = hotY;
  return e;
}

TEST(CursorFile, ReadsTheLargestImageWithItsHotSpot) {
  const CursorPicture picture = ReadCursorFile(IconFile(
      {CursorEntry(Pointer(16, 0x0000FF), 1, 2), CursorEntry(Pointer(32, 0xFF8000), 5, 7)}, 2));
  EXPECT_EQ(picture.width, 32);
  EXPECT_EQ(picture.height, 32);
  EXPECT_EQ(picture.hotSpot, (TPoint{5, 7}));
  ASSERT_EQ(picture.pixels.size(), 32u * 32 * 4);
  const std::uint8_t* shown = picture.Pixel(31, 31);
  EXPECT_EQ(std::vector<int>(shown, shown + 4), (std::vector<int>{0x00, 0x80, 0xFF, 255}));
  EXPECT_EQ(picture.Pixel(3, 0)[3], 0);  // masked out
}

TEST(CursorFile, RefusesIconsAndPicturesTooLargeForAPointer) {
  EXPECT_THROW(ReadCursorFile(IconFile({EntryFor(Pointer(16, 0xFFFFFF))}, 1)), EInvalidGraphic);
  Entry huge = CursorEntry(Pointer(300, 0xFFFFFF), 0, 0);
  huge.width = huge.height = 0;  // 256 or more
  EXPECT_THROW(ReadCursorFile(IconFile({huge}, 2)), EInvalidGraphic);
}

}  // namespace
}  // namespace pictor::icontest
