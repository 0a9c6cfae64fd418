#include "app/picture_file.h"

#include <memory>
#include <string_view>

#include "host/graphics/bitmap.h"
#include "host/graphics/errors.h"
#include "host/graphics/streams.h"

namespace pictor {

namespace {

std::vector<std::uint8_t> SaveGraphic(const TGraphic& graphic) {
  TMemoryStream stream;
  graphic.SaveToStream(stream);
  return std::vector<std::uint8_t>(stream.Memory(), stream.Memory() + stream.Size());
}

}  // namespace

std::optional<TPictureFormat> FormatOfFile(const std::string& fileName) {
  if (const TPictureFileType* type = PictureFileTypeOf(fileName)) return type->format;
  return std::nullopt;
}

void LoadBitmapBytes(TPicture& picture, std::span<const std::uint8_t> bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), bytes.size());
  stream.SetPosition(0);
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->LoadFromStream(stream);
  picture.TakeGraphic(std::move(bitmap));
}

TPictureFormat WriteBackFormat(TPictureFormat format) {
  return PictureFileTypeOf(format).written ? format : TPictureFormat::Bitmap;
}

std::vector<std::uint8_t> EncodePicture(const TPicture& picture, TPictureFormat format) {
  const TGraphic* graphic = picture.Graphic();
  if (!graphic || graphic->Empty()) throw EInvalidGraphicOperation("The picture is empty");
  TMemoryStream stream;
  WriteGraphicAs(*graphic, WriteBackFormat(format), stream);
  return std::vector<std::uint8_t>(stream.Memory(), stream.Memory() + stream.Size());
}

std::vector<std::uint8_t> PictureSnapshot(const TPicture& picture) {
  const TGraphic* graphic = picture.Graphic();
  if (!graphic) return {};
  const std::string_view name = graphic->ClassName();
  std::vector<std::uint8_t> bytes(name.begin(), name.end());
  bytes.push_back(0);
  if (!graphic->Empty()) {
    const std::vector<std::uint8_t> data = SaveGraphic(*graphic);
    bytes.insert(bytes.end(), data.begin(), data.end());
  }
  return bytes;
}

}  // namespace pictor
