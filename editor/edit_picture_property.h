// One edit of a picture-valued property: the property's object (a TPicture,
// a TBitmap or nullptr) is shown in the editor window, and afterwards the
// edited image is written back, the object emptied, or left alone, by the
// button that closed the window.
#pragma once

#include "host/graphics/object.h"

namespace pictor {

// True when the window closed with OK or "&File..."; false for Cancel, Clear
// and a null object (which shows "NIL!").
bool EditPictureProperty(TObject* Obj);

}  // namespace pictor
