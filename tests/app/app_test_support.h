// Files and runs of the pictor program for the tests of the stand-alone host.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "tests/support/temp_files.h"

namespace pictor::testing {

// A w x h 24-bit bitmap file whose pixels are all color.
void WriteBitmapFile(const std::string& fileName, int w, int h, std::uint32_t color);
// A w x h icon file of one 32-bit image, every pixel opaque color (BGR order as in TColor).
void WriteIconFile(const std::string& fileName, int w, int h, std::uint32_t color);

// Runs fn as an unprivileged user (root may write any file): in a child
// process when the test runs as root. Returns fn's result.
int AsUnprivilegedUser(const std::function<int()>& fn);

struct ProgramRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};
// Runs the built pictor with args (no quoting: keep them free of spaces and
// shell characters) and environment assignments such as "PICTOR_PLUGIN=x",
// headless, in folder cwd.
ProgramRun RunProgram(const std::string& args, const std::string& env = "",
                      const std::string& cwd = ".");

}  // namespace pictor::testing
