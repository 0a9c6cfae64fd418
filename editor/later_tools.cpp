// Methods of the window that the tools still to come fill in: the colour
// strip and the text tool. Until then the window calls them and they do nothing.
#include "editor/dlg_pictor.h"

namespace pictor {

void TdlgPictor::SetColorPalette() {}

void TdlgPictor::DrawText_(TBitmap*) {}

void TdlgPictor::tiTextTimer(TObject*) {}

}  // namespace pictor
