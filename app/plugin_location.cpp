#include "app/plugin_location.h"

#include <unistd.h>

#include <cstdlib>

#include "host/toolkit/application.h"

namespace pictor {

std::string FindPlugin() {
  if (const char* env = std::getenv("PICTOR_PLUGIN"); env && *env) return env;
  return FindPluginFrom(TApplication::ExeDir());
}

std::string FindPluginFrom(const std::string& programFolder) {
  const std::string beside = programFolder + PICTOR_PLUGIN_NAME;
  const std::string installed = programFolder + PICTOR_LIBRARY_FOLDER + PICTOR_PLUGIN_NAME;
  if (access(beside.c_str(), F_OK) != 0 && access(installed.c_str(), F_OK) == 0) return installed;
  return beside;
}

}  // namespace pictor
