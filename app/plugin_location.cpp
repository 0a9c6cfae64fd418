#include "app/plugin_location.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace pictor {

namespace {

// The folder of the running program, with a trailing '/'.
std::string ProgramFolder() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return "./";
  const std::string exe(path, static_cast<std::size_t>(n));
  return exe.substr(0, exe.find_last_of('/') + 1);
}

}  // namespace

std::string FindPlugin() {
  if (const char* env = std::getenv("PICTOR_PLUGIN"); env && *env) return env;
  const std::string folder = ProgramFolder();
  const std::string beside = folder + PICTOR_PLUGIN_NAME;
  const std::string installed = folder + "../lib/pictor/" + PICTOR_PLUGIN_NAME;
  if (access(beside.c_str(), F_OK) != 0 && access(installed.c_str(), F_OK) == 0) return installed;
  return beside;
}

}  // namespace pictor
