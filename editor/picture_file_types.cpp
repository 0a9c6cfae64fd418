#include "editor/picture_file_types.h"

#include "editor/file_names.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/icon.h"
#include "host/graphics/jpeg_image.h"
#include "host/graphics/metafile.h"

namespace pictor {
namespace {

constexpr TPictureFileType kPictureFileTypes[] = {
    {".bmp", TPictureFormat::Bitmap, 0, "Bitmaps", true},
    {".jpg", TPictureFormat::Jpeg, 100, "JPEG", true},
    {".ico", TPictureFormat::Icon, 0, "Icons", false},
    {".emf", TPictureFormat::Metafile, 0, "Enhanced Metafiles", false},
    {".wmf", TPictureFormat::Metafile, 0, "Metafiles", false},
};

// "*.bmp;*.jpg;..." for the types.
std::string Patterns(std::span<const TPictureFileType> types) {
  std::string patterns;
  for (const TPictureFileType& type : types) {
    if (!patterns.empty()) patterns += ';';
    patterns += "*" + std::string(type.extension);
  }
  return patterns;
}

}  // namespace

std::span<const TPictureFileType> PictureFileTypes() { return kPictureFileTypes; }

const TPictureFileType* PictureFileTypeOf(const std::string& fileName) {
  const std::string ext = LowerFileExt(fileName);
  for (const TPictureFileType& type : kPictureFileTypes)
    if (type.extension == ext) return &type;
  return nullptr;
}

const TPictureFileType& PictureFileTypeOf(TPictureFormat format) {
  for (const TPictureFileType& type : kPictureFileTypes)
    if (type.format == format) return type;
  return kPictureFileTypes[0];
}

std::unique_ptr<TGraphic> NewGraphic(TPictureFormat format) {
  switch (format) {
    case TPictureFormat::Bitmap:
      return std::make_unique<TBitmap>();
    case TPictureFormat::Jpeg: {
      auto jpeg = std::make_unique<TJPEGImage>();
      jpeg->SetCompressionQuality(PictureFileTypeOf(format).jpegQuality);
      return jpeg;
    }
    case TPictureFormat::Icon:
      return std::make_unique<TIcon>();
    case TPictureFormat::Metafile:
      return std::make_unique<TMetafile>();
  }
  return nullptr;
}

void LoadPictureAs(TPicture& picture, const std::string& fileName, TPictureFormat format) {
  std::unique_ptr<TGraphic> graphic = NewGraphic(format);
  graphic->LoadFromFile(fileName);
  picture.TakeGraphic(std::move(graphic));
}

std::string PictureFileFilter(const TPictureFileType& type) {
  const std::string patterns = Patterns(std::span(&type, 1));
  return std::string(type.filterLabel) + " (" + patterns + ")|" + patterns;
}

std::string OpenPictureFilter() {
  const std::string all = Patterns(kPictureFileTypes);
  std::string filter = "All (" + all + ")|" + all;
  for (const TPictureFileType& type : kPictureFileTypes) filter += "|" + PictureFileFilter(type);
  return filter;
}

std::string PictureFileExtensions(std::string_view last) {
  std::string list;
  const std::size_t count = std::size(kPictureFileTypes);
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) list += i + 1 == count && !last.empty() ? " " + std::string(last) + " " : ", ";
    list += kPictureFileTypes[i].extension;
  }
  return list;
}

}  // namespace pictor
