// The picture file types, one row each: the extension, the graphic class a
// file of the type loads as, the JPEG quality, the open dialog's label, and
// whether files of the type are written. The open dialog's filter, loading a
// file by its name and the pictor program's file handling and messages are
// all built from this table.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "host/graphics/graphic.h"
#include "host/graphics/picture.h"

namespace pictor {

// The graphic classes of picture files.
enum class TPictureFormat { Bitmap, Jpeg, Icon, Metafile };

// Which types a list of extensions names.
enum class TFileTypeUse { Read, Written, ReadOnly };

struct TPictureFileType {
  std::string_view extension;  // with its dot, in lower case: ".bmp"
  TPictureFormat format;
  // The compression quality a JPEG image is loaded with and written at (so
  // a JPEG compressed anew loses least); 0 for the other classes.
  int jpegQuality;
  std::string_view filterLabel;  // "Bitmaps"
  bool written;                  // files of the type are written, not only read
};

// Every type read, in the order of the open dialog's filter.
std::span<const TPictureFileType> PictureFileTypes();

// The type of a file by its extension, compared without regard to case;
// nullptr for any other extension (".jpeg" included) and for none.
const TPictureFileType* PictureFileTypeOf(const std::string& fileName);
// The first type of the format.
const TPictureFileType& PictureFileTypeOf(TPictureFormat format);

// An empty graphic of the format's class (a JPEG image at its quality).
std::unique_ptr<TGraphic> NewGraphic(TPictureFormat format);

// Loads the file into the picture as a graphic of the format. Throws (the
// graphics library's errors, naming the file) and leaves the picture as it
// was when the file cannot be read or decoded.
void LoadPictureAs(TPicture& picture, const std::string& fileName, TPictureFormat format);

// Writes the graphic to the stream as a file of the format: its own data when
// it is of the format's class, else a converted copy (a JPEG at the type's
// quality). Throws when it cannot be converted or encoded.
void WriteGraphicAs(const TGraphic& graphic, TPictureFormat format, TStream& stream);
// Writes the graphic as a file of the format in full before it replaces
// fileName (safe_write.h), so a failure leaves the old file as it was. Throws
// EWriteError naming the file and the reason.
void SavePictureAs(const TGraphic& graphic, const std::string& fileName, TPictureFormat format);

// The filter of one type: "Bitmaps (*.bmp)|*.bmp".
std::string PictureFileFilter(const TPictureFileType& type);
// The open dialog's filter: every type together under "All", then each type.
std::string OpenPictureFilter();
// The extensions of the types of that use, for messages: ".bmp, .jpg, ...
// or .wmf" with `last` ("or") before the last one, or all separated by ", "
// when last is empty.
std::string PictureFileExtensions(std::string_view last = "",
                                  TFileTypeUse use = TFileTypeUse::Read);

}  // namespace pictor
