// Finishing a marquee or lasso selection, which leaving their option pages
// asks for. The selection tools still to come fill these in; until then there
// is never a selection and they do nothing.
#include "editor/dlg_pictor.h"

namespace pictor {

void TdlgPictor::DrawSelection(TMouseButton, int, int) {}

void TdlgPictor::DrawSelectionLasso(TMouseButton, int, int) {}

}  // namespace pictor
