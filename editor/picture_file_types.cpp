#include "editor/picture_file_types.h"

#include <typeinfo>
#include <vector>

#include "editor/file_names.h"
#include "editor/safe_write.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/icon.h"
#include "host/graphics/jpeg_image.h"
#include "host/graphics/metafile.h"
#include "host/graphics/streams.h"

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

void WriteGraphicAs(const TGraphic& graphic, TPictureFormat format, TStream& stream) {
  std::unique_ptr<TGraphic> converted = NewGraphic(format);
  const TGraphic& blank = *converted;
  if (typeid(blank) == typeid(graphic)) {
    graphic.SaveToStream(stream);
    return;
  }
  converted->Assign(&graphic);
  converted->SaveToStream(stream);
}

void SavePictureAs(const TGraphic& graphic, const std::string& fileName, TPictureFormat format) {
  TMemoryStream encoded;
  WriteGraphicAs(graphic, format, encoded);
  ReplaceFileSafely(fileName, std::span(encoded.Memory(), static_cast<std::size_t>(encoded.Size())));
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

std::string PictureFileExtensions(std::string_view last, TFileTypeUse use) {
  std::vector<std::string_view> extensions;
  for (const TPictureFileType& type : kPictureFileTypes)
    if (use == TFileTypeUse::Read || type.written == (use == TFileTypeUse::Written))
      extensions.push_back(type.extension);
  std::string list;
  const std::size_t count = extensions.size();
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) list += i + 1 == count && !last.empty() ? " " + std::string(last) + " " : ", ";
    list += extensions[i];
  }
  return list;
}

}  // namespace pictor
