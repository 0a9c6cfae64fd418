// File name parts. The extension is the text of the name's last part from
// its last dot; the folder is the text before the last '/'.
#pragma once

#include <string>

namespace pictor {

// The extension with its dot ("" when there is none), as written.
std::string ExtractFileExt(const std::string& fileName);
// The extension in lower case (ASCII letters only), for comparing file types.
std::string LowerFileExt(const std::string& fileName);
// The name with its extension replaced by ext (or ext appended when it has none).
std::string ChangeFileExt(const std::string& fileName, const std::string& ext);
// The folder part without the last '/': "" for a bare name, "/" for a file
// in the root folder.
std::string ExtractFileDir(const std::string& fileName);

}  // namespace pictor
