// Reading our files with a decoder that is not ours: Python's imaging library,
// or ImageMagick when that is missing.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace pictor::testing {

inline bool Succeeds(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// Asked once per test program: each answer starts a process.
inline bool HasPil() {
  static const bool has = Succeeds("python3 -c 'import PIL'");
  return has;
}
inline bool HasImageMagick() {
  static const bool has = Succeeds("convert -version");
  return has;
}
inline bool HasIndependentDecoder() { return HasPil() || HasImageMagick(); }

// What the command prints.
inline std::vector<std::uint8_t> RunCapturing(const std::string& command) {
  std::vector<std::uint8_t> out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  std::uint8_t buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
    out.insert(out.end(), buffer, buffer + n);
  pclose(pipe);
  return out;
}

// The pixels of a picture file as 8-bit R, G, B bytes, top row first.
inline std::vector<std::uint8_t> DecodeElsewhere(const std::filesystem::path& file) {
  if (HasPil())
    return RunCapturing(
        "python3 -c 'import sys; from PIL import Image; "
        "sys.stdout.buffer.write(Image.open(sys.argv[1]).convert(\"RGB\").tobytes())' '" +
        file.string() + "'");
  return RunCapturing("convert '" + file.string() + "' -depth 8 rgb:-");
}

}  // namespace pictor::testing
