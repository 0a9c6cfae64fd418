#include "resources/cursor_resources.h"

#include "host/graphics/errors.h"
#include "host/graphics/icon/ico_reader.h"

namespace pictor {
namespace {

// Pointers are small; anything larger is not one of ours.
constexpr ImageLimits kCursorLimits{256, 256 * 256 * 4};

int ReadWord(std::span<const std::uint8_t> file, std::size_t offset) {
  return file[offset] | (file[offset + 1] << 8);
}

}  // namespace

std::string CursorResourcePath(std::string_view name) {
  return ":/cursors/" + std::string(name) + ".cur";
}

CursorPicture ReadCursorFile(std::span<const std::uint8_t> file) {
  IconDirectory directory = ReadIconDirectory(file, kCursorLimits);
  if (directory.type != 2) throw EInvalidGraphic("The file is an icon, not a cursor.");
  // The hot spot lies where an icon's entry has its planes and bit count:
  // bytes 4 to 7 of the 16-byte entry that follows the 6-byte header.
  std::size_t entry = 6 + 16 * directory.chosen;
  CursorPicture picture;
  picture.hotSpot = {ReadWord(file, entry + 4), ReadWord(file, entry + 6)};
  picture.image = DecodeIconImage(file, directory.images[directory.chosen], kCursorLimits);
  return picture;
}

}  // namespace pictor
