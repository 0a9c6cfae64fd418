#include "app_test_support.h"

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"

namespace pictor::testing {

void WriteBitmapFile(const std::string& fileName, int w, int h, std::uint32_t color) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bitmap.Canvas()->SetPixels(x, y, static_cast<TColor>(color));
  bitmap.SaveToFile(fileName);
}

void WriteIconFile(const std::string& fileName, int w, int h, std::uint32_t color) {
  std::vector<std::uint8_t> f;
  const auto u16 = [&f](unsigned v) {
    f.push_back(v & 0xFF);
    f.push_back((v >> 8) & 0xFF);
  };
  const auto u32 = [&](unsigned v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  const unsigned maskRow = ((w + 31) / 32) * 4;
  const unsigned imageSize = 40 + w * h * 4 + maskRow * h;
  u16(0), u16(1), u16(1);  // icon directory, one image
  f.push_back(w), f.push_back(h), f.push_back(0), f.push_back(0);
  u16(1), u16(32), u32(imageSize), u32(6 + 16);  // planes, bits, size, offset
  u32(40), u32(w), u32(2 * h), u16(1), u16(32), u32(0), u32(0), u32(0), u32(0), u32(0), u32(0);
  for (int i = 0; i < w * h; ++i) {
    f.push_back((color >> 16) & 0xFF), f.push_back((color >> 8) & 0xFF), f.push_back(color & 0xFF);
    f.push_back(0xFF);
  }
  f.insert(f.end(), maskRow * h, 0);  // AND mask: every pixel shown
  WriteBytes(fileName, f);
}

int AsUnprivilegedUser(const std::function<int()>& fn) {
  if (geteuid() != 0) return fn();
  const pid_t child = fork();
  if (child == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(99);
    _exit(fn());
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ProgramRun RunProgram(const std::string& args, const std::string& env, const std::string& cwd) {
  TempFolder capture;
  const std::string command = "cd " + cwd + " && env QT_QPA_PLATFORM=offscreen " + env + " " +
                              PICTOR_PROGRAM + " " + args + " >" + (capture / "out") + " 2>" +
                              (capture / "err");
  const int status = std::system(command.c_str());
  ProgramRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  const auto text = [](const std::vector<std::uint8_t>& b) {
    return std::string(b.begin(), b.end());
  };
  run.out = text(ReadBytes(capture / "out"));
  run.err = text(ReadBytes(capture / "err"));
  return run;
}

}  // namespace pictor::testing
