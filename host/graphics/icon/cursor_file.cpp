// ReadCursorFile: the one reader of the program's pointers.
#include <cstring>

#include "host/graphics/errors.h"
#include "host/graphics/icon.h"
#include "host/graphics/icon/ico_reader.h"

namespace pictor {
namespace {

// Pointers are small; anything larger is not a pointer.
constexpr ImageLimits kCursorLimits{256, 256 * 256 * 4};

constexpr std::size_t kDirectoryHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr int kCursorType = 2;

int ReadWord(std::span<const std::uint8_t> file, std::size_t offset) {
  return file[offset] | (file[offset + 1] << 8);
}

}  // namespace

CursorPicture ReadCursorFile(std::span<const std::uint8_t> file) {
  const IconDirectory directory = ReadIconDirectory(file, kCursorLimits);
  if (directory.type != kCursorType) throw EInvalidGraphic("The file is an icon, not a cursor.");
  // The hot spot lies where an icon's entry has its planes and bit count:
  // bytes 4 to 7 of the entry.
  const std::size_t entry = kDirectoryHeaderSize + kEntrySize * directory.chosen;
  const BitmapImage image =
      DecodeIconImage(file, directory.images[directory.chosen], kCursorLimits);
  CursorPicture picture;
  picture.width = image.width;
  picture.height = image.height;
  picture.hotSpot = {ReadWord(file, entry + 4), ReadWord(file, entry + 6)};
  // Rows of 32-bit pixels carry no padding.
  picture.pixels.assign(image.pixels.data(), image.pixels.data() + image.pixels.size());
  return picture;
}

}  // namespace pictor
