#include "app/picture_file.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include "app/file_names.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/errors.h"
#include "host/graphics/icon.h"
#include "host/graphics/jpeg_image.h"
#include "host/graphics/metafile.h"
#include "host/graphics/streams.h"

namespace pictor {

namespace {

std::string LowerExtension(const std::string& fileName) {
  std::string ext = ExtractFileExt(fileName);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
  return ext;
}

std::unique_ptr<TGraphic> NewGraphic(TPictureFormat format) {
  switch (format) {
    case TPictureFormat::Bitmap:
      return std::make_unique<TBitmap>();
    case TPictureFormat::Jpeg: {
      // Kept at the best quality, so a JPEG compressed anew loses least.
      auto jpeg = std::make_unique<TJPEGImage>();
      jpeg->SetCompressionQuality(100);
      return jpeg;
    }
    case TPictureFormat::Icon:
      return std::make_unique<TIcon>();
    case TPictureFormat::Metafile:
      return std::make_unique<TMetafile>();
  }
  return nullptr;
}

std::vector<std::uint8_t> SaveGraphic(const TGraphic& graphic) {
  TMemoryStream stream;
  graphic.SaveToStream(stream);
  return std::vector<std::uint8_t>(stream.Memory(), stream.Memory() + stream.Size());
}

}  // namespace

std::optional<TPictureFormat> FormatOfFile(const std::string& fileName) {
  const std::string ext = LowerExtension(fileName);
  if (ext == ".bmp") return TPictureFormat::Bitmap;
  if (ext == ".jpg") return TPictureFormat::Jpeg;
  if (ext == ".ico") return TPictureFormat::Icon;
  if (ext == ".wmf" || ext == ".emf") return TPictureFormat::Metafile;
  return std::nullopt;
}

void LoadPictureAs(TPicture& picture, const std::string& fileName, TPictureFormat format) {
  std::unique_ptr<TGraphic> graphic = NewGraphic(format);
  graphic->LoadFromFile(fileName);
  picture.TakeGraphic(std::move(graphic));
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
  return format == TPictureFormat::Jpeg ? TPictureFormat::Jpeg : TPictureFormat::Bitmap;
}

std::vector<std::uint8_t> EncodePicture(const TPicture& picture, TPictureFormat format) {
  const TGraphic* graphic = picture.Graphic();
  if (!graphic || graphic->Empty()) throw EInvalidGraphicOperation("The picture is empty");
  const bool same = format == TPictureFormat::Jpeg
                        ? dynamic_cast<const TJPEGImage*>(graphic) != nullptr
                        : dynamic_cast<const TBitmap*>(graphic) != nullptr;
  if (same) return SaveGraphic(*graphic);
  std::unique_ptr<TGraphic> converted = NewGraphic(WriteBackFormat(format));
  converted->Assign(graphic);
  return SaveGraphic(*converted);
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
