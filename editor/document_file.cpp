#include "editor/document_file.h"

#include "attributes/standard_palettes.h"
#include "editor/picture_conversion.h"
#include "host/graphics/errors.h"

namespace pictor {
namespace {

std::unique_ptr<TBitmap> Decode(const std::string& fileName, TPictureFormat format,
                                TPixelFormat documentFormat) {
  auto document = std::make_unique<TBitmap>();
  if (format == TPictureFormat::Bitmap) {
    document->LoadFromFile(fileName);
    ApplyStandardPalette(*document);
    return document;
  }
  std::unique_ptr<TGraphic> graphic = NewGraphic(format);
  graphic->LoadFromFile(fileName);
  if (format == TPictureFormat::Jpeg) {
    document->Assign(graphic.get());
    document->SetPalette(WebPalette());
    return document;
  }
  const bool holdsWebColors = documentFormat != pf1bit && documentFormat != pf4bit;
  document->SetPixelFormat(holdsWebColors ? documentFormat : pfDevice);
  DrawGraphicInto(*graphic, *document);
  return document;
}

}  // namespace

std::unique_ptr<TBitmap> ReadDocumentFile(const std::string& fileName, TPictureFormat format,
                                          TPixelFormat documentFormat) {
  try {
    return Decode(fileName, format, documentFormat);
  } catch (const EFOpenError&) {
    throw;  // it names the file and the reason
  } catch (const std::exception& e) {
    throw Exception("Cannot load \"" + fileName + "\": " + e.what());
  }
}

}  // namespace pictor
