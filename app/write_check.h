// Before an edit: can its result be written? After a write that failed: the
// edited picture goes to a recovery file, so that no drawing is lost.
#pragma once

#include <string>

#include "host/graphics/picture.h"

namespace pictor {

// Throws EWriteError naming what cannot be written when an edit of
// sourceFile (empty: the bundled sample) could not be written back: a bitmap
// or JPEG file itself and its folder, the folder of the bitmap written beside
// an icon or metafile, the current folder for the sample.
void CheckWritable(const std::string& sourceFile);

// Writes picture, in the format it would have been written for sourceFile,
// as a new file named after it in the user's data folder
// ($XDG_DATA_HOME/pictor or ~/.local/share/pictor) or, when that fails, the
// temporary folder. Returns the name written; throws EWriteError when
// neither can be written.
std::string WriteRecoveryFile(const TPicture& picture, const std::string& sourceFile);

}  // namespace pictor
