// How one edit takes a property's object in and gives the result back: the
// conversions of EditPictureProperty, apart from the window.
#pragma once

#include "host/graphics/bitmap.h"
#include "host/graphics/object.h"
#include "host/toolkit/form.h"

namespace pictor {

// Modal results of the editor window's own buttons besides mrOk and
// mrCancel. They share their values with two standard results the window's
// buttons never give: mrClear is mrIgnore (5), mrFile is mrYes (6).
inline constexpr int mrClear = mrIgnore;  // "&Clear"
inline constexpr int mrFile = mrYes;      // "&File..."

// Gives the working bitmap the web palette and the graphic's size, and draws
// the graphic at (0, 0) over it; the bitmap keeps its pixel format.
void DrawGraphicInto(const TGraphic& graphic, TBitmap& working);

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
  return modalResult == mrOk || modalResult == mrFile;
}

}  // namespace pictor
