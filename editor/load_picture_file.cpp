#include "editor/load_picture_file.h"

#include <algorithm>
#include <cctype>

#include "host/graphics/bitmap.h"
#include "host/graphics/icon.h"
#include "host/graphics/jpeg_image.h"
#include "host/graphics/metafile.h"

namespace pictor {
namespace {

// The extension with its dot, in lower case ("" when the name has none).
std::string LowerExtension(const std::string& fileName) {
  const std::size_t slash = fileName.find_last_of('/');
  const std::size_t dot = fileName.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string ext = fileName.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

// Loads a graphic of class G from the file and gives the picture a copy of it.
template <typename G>
void LoadAs(TPicture* picture, const std::string& fileName, void (*prepare)(G&) = nullptr) {
  G graphic;
  if (prepare) prepare(graphic);
  graphic.LoadFromFile(fileName);
  picture->Assign(&graphic);
}

}  // namespace

void LoadPictureFile(TPicture* picture, const std::string& fileName) {
  if (fileName.empty()) return;
  const std::string ext = LowerExtension(fileName);
  if (ext == ".bmp") {
    LoadAs<TBitmap>(picture, fileName);
  } else if (ext == ".jpg") {
    LoadAs<TJPEGImage>(picture, fileName,
                       [](TJPEGImage& jpeg) { jpeg.SetCompressionQuality(100); });
  } else if (ext == ".ico") {
    LoadAs<TIcon>(picture, fileName);
  } else if (ext == ".wmf" || ext == ".emf") {
    LoadAs<TMetafile>(picture, fileName);
  }
}

}  // namespace pictor
