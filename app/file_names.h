// File name parts: the extension is the last part's text from its last dot.
#pragma once

#include <string>

namespace pictor {

// The extension with its dot ("" when there is none), as written.
std::string ExtractFileExt(const std::string& fileName);
// The name with its extension replaced by ext (or ext appended when it has none).
std::string ChangeFileExt(const std::string& fileName, const std::string& ext);

}  // namespace pictor
