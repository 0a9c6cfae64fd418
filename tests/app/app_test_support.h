// Files and runs of the pictor program for the tests of the stand-alone host.
#pragma once

#include <signal.h>
#include <sys/resource.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pictor::testing {

// A fresh folder, removed with everything in it at the end of the test.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }
  const std::string& Path() const { return path_; }
  // The names in the folder, sorted, hidden ones included.
  std::vector<std::string> Names() const;

 private:
  std::string path_;
};

std::vector<std::uint8_t> ReadBytes(const std::string& fileName);
void WriteBytes(const std::string& fileName, const std::vector<std::uint8_t>& bytes);
// A w x h 24-bit bitmap file whose pixels are all color.
void WriteBitmapFile(const std::string& fileName, int w, int h, std::uint32_t color);
// A w x h icon file of one 32-bit image, every pixel opaque color (BGR order as in TColor).
void WriteIconFile(const std::string& fileName, int w, int h, std::uint32_t color);

// Files may grow to at most limit bytes while it exists; a longer write fails.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  sighandler_t previous_;
};

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
