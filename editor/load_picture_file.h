// Loading a picture file into a TPicture by its file-name extension.
#pragma once

#include <string>

#include "host/graphics/picture.h"

namespace pictor {

// A file of a type of the picture file table (picture_file_types.h; the
// extension in any case) loads into the picture; an empty name and every
// other extension, ".jpeg" included, load nothing. A file that fails to load
// raises its error and leaves the picture as it was.
void LoadPictureFile(TPicture* picture, const std::string& fileName);

}  // namespace pictor
