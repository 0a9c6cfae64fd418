#include "app/write_back.h"

#include "app/picture_file.h"
#include "editor/safe_write.h"
#include "editor/file_names.h"
#include "host/graphics/errors.h"

namespace pictor {

std::string SaveEditedPicture(const TPicture& picture, const std::string& sourceFile) {
  if (sourceFile.empty()) {
    const std::string name =
        WriteNewFileSafely(kChangedSampleName, EncodePicture(picture, TPictureFormat::Bitmap));
    return "wrote the changed sample picture to " + name;
  }
  const auto format = FormatOfFile(sourceFile);
  if (!format) throw EWriteError("Cannot write " + sourceFile + ": unknown picture format");
  const TPictureFormat target = WriteBackFormat(*format);
  if (target == *format) {
    ReplaceFileSafely(sourceFile, EncodePicture(picture, target));
    return "wrote " + sourceFile;
  }
  const std::string name =
      WriteNewFileSafely(ChangeFileExt(sourceFile, std::string(PictureFileTypeOf(target).extension)),
                         EncodePicture(picture, target));
  return "the edited picture is a bitmap now: wrote " + name + " beside " + sourceFile +
         ", which is unchanged";
}

}  // namespace pictor
