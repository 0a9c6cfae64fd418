// The colour choice: the colour strip under the image.
#include "editor/dlg_pictor.h"

namespace pictor {

// Loads the working bitmap's palette into the colour strip. It loads
// nothing: the strip stays empty, and the foreground and background colours
// and their swatches stay as they are.
void TdlgPictor::SetColorPalette() {}

}  // namespace pictor
