// Opening a file or folder with the desktop's handler for it (the about box's
// links, the help file).
#pragma once

#include <string>

#include "host/graphics/errors.h"

namespace pictor {

// A file or folder that cannot be opened: missing, or nothing opens it.
class EShellError : public Exception {
  using Exception::Exception;
};

// Hands the path to the desktop's handler; false when nothing opens it.
bool OpenWithDesktop(const std::string& path);

// Opens the existing file or folder with the desktop's handler; throws
// EShellError naming the path when it does not exist or nothing opens it.
void ShellOpen(const std::string& path);

}  // namespace pictor
