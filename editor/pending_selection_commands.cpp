// Select all, copy and paste of the selection commands, until they arrive:
// each does nothing yet.
#include "editor/dlg_pictor.h"

namespace pictor {

void TdlgPictor::SelectAllByKey() {}

void TdlgPictor::btCopyClick(TObject*) {}

void TdlgPictor::btPasteClick(TObject*) {}

}  // namespace pictor
