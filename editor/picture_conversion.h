// How one edit takes a property's object in and gives the result back: the
// conversions of EditPictureProperty, apart from the window.
#pragma once

#include "host/graphics/bitmap.h"
#include "host/graphics/object.h"

namespace pictor {

// Modal results of the editor window's own buttons (OK is 1, Cancel 2).
inline constexpr int mrClear = 5;  // "&Clear"
inline constexpr int mrFile = 6;   // "&File..."

// Puts the object into the working bitmap: a picture's bitmap is copied; a
// JPEG image, icon or metafile is drawn at (0, 0) over the working bitmap,
// resized to the graphic's size, with the web palette; a bitmap is copied
// through the file format. Anything else leaves the working bitmap alone.
void TakeInPicture(TObject* object, TBitmap& working);

// The Clear button's effect: a picture loses its graphic, a bitmap its image.
void ClearPicture(TObject* object);

// OK on a modified document: the working bitmap goes back into the object,
// in place. A JPEG picture stays JPEG; an icon or metafile picture becomes a
// bitmap picture; a picture without a graphic gets a bitmap.
void WriteBackPicture(TObject* object, const TBitmap& working);

// Whether the edit counts as accepted (OK or "&File...").
constexpr bool IsAcceptedResult(int modalResult) {
  return modalResult == 1 || modalResult == mrFile;
}

}  // namespace pictor
