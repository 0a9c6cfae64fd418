#include "bench/peak_memory.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace pictor::bench {
namespace {

// A size line of /proc/self/status ("VmHWM:", "VmRSS:") in bytes, or 0.
std::size_t StatusBytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(key, 0) == 0) return std::stoull(line.substr(key.size())) * 1024;
  return 0;
}

// The peak resident set of this process in bytes, or 0.
std::size_t PeakResident() { return StatusBytes("VmHWM:"); }

bool ResetPeakResident() {
  std::FILE* f = std::fopen("/proc/self/clear_refs", "w");
  if (!f) return false;
  const bool ok = std::fputs("5", f) >= 0;
  return std::fclose(f) == 0 && ok;
}

}  // namespace

std::size_t ResidentMemory() { return StatusBytes("VmRSS:"); }

std::optional<std::size_t> PeakMemoryGrowth(const std::function<void()>& fn) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return std::nullopt;
  const pid_t child = fork();
  if (child < 0) {
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    return std::nullopt;
  }
  if (child == 0) {
    close(pipeEnds[0]);
    long long growth = -1;
    if (ResetPeakResident()) {
      const std::size_t before = PeakResident();
      fn();
      const std::size_t after = PeakResident();
      if (before > 0 && after >= before) growth = static_cast<long long>(after - before);
    }
    const ssize_t written = write(pipeEnds[1], &growth, sizeof growth);
    _exit(written == sizeof growth ? 0 : 1);
  }
  close(pipeEnds[1]);
  long long growth = -1;
  const ssize_t got = read(pipeEnds[0], &growth, sizeof growth);
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (got != sizeof growth || growth < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return std::nullopt;
  return static_cast<std::size_t>(growth);
}

}  // namespace pictor::bench
