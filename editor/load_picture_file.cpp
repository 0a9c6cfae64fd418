#include "editor/load_picture_file.h"

#include "editor/picture_file_types.h"

namespace pictor {

void LoadPictureFile(TPicture* picture, const std::string& fileName) {
  if (fileName.empty()) return;
  if (const TPictureFileType* type = PictureFileTypeOf(fileName))
    LoadPictureAs(*picture, fileName, type->format);
}

}  // namespace pictor
