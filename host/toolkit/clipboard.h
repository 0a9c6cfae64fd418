// TClipboard: the system clipboard.
//
// Assign(bitmap) offers the bitmap as Qt's image (so other programs paste it
// in the formats they ask for: PNG, BMP, ...) and also as "image/bmp" holding
// the bitmap's own file bytes, so its pixel format and palette come back
// exactly when it is pasted here.
//
// The graphics library cannot see the clipboard, so reading a picture into a
// bitmap is Clipboard()->AssignTo(bitmap): our own "image/bmp" first, else
// any image the clipboard offers. A clipboard without a picture, or with a
// picture that is not a bitmap (a metafile alone), raises EInvalidGraphic
// with a message saying so; the bitmap is then left as it was.
#pragma once

#include "host/graphics/bitmap.h"
#include "host/graphics/object.h"

namespace pictor {

// Clipboard format ids: a bitmap, and any picture a TPicture can read.
inline constexpr int CF_BITMAP = 2;
inline constexpr int CF_METAFILEPICT = 3;
inline constexpr int CF_ENHMETAFILE = 14;
inline constexpr int CF_PICTURE = 0xC100;

class TClipboard : public TObject {
 public:
  const char* ClassName() const override { return "TClipboard"; }

  // CF_BITMAP: an image; CF_METAFILEPICT, CF_ENHMETAFILE: a metafile;
  // CF_PICTURE: either.
  bool HasFormat(int format) const;
  // Replaces the clipboard's contents with the bitmap.
  void Assign(const TBitmap& bitmap);
  // Reads the clipboard's picture into bitmap (see above).
  void AssignTo(TBitmap& bitmap) const;
  void Clear();
};

// The application's clipboard.
TClipboard* Clipboard();

}  // namespace pictor
