// Writing files so that nothing on disk is ever lost: the bytes go to a
// temporary file in the target's folder, reach the disk, and only then take
// the target's name.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace pictor {

// Replaces fileName (the file a symbolic link points to, when it is one) with
// bytes, keeping its permissions; a file the user may not write is refused. Throws EWriteError naming the file and the
// reason when any step fails; the file is then left as it was and no
// temporary file remains.
void ReplaceFileSafely(const std::string& fileName, std::span<const std::uint8_t> bytes);

// Writes bytes as a new file named fileName or, when that exists, the first
// free one of "stem-1.ext", "stem-2.ext", ...; never overwrites a file.
// Returns the name written. Throws EWriteError as ReplaceFileSafely does.
std::string WriteNewFileSafely(const std::string& fileName, std::span<const std::uint8_t> bytes);

}  // namespace pictor
