#include "app/plugin_location.h"

#include <unistd.h>

#include <cstdlib>

#include "host/toolkit/application.h"

namespace pictor {

std::string FindPlugin() {
  if (const char* env = std::getenv("PICTOR_PLUGIN"); env && *env) return env;
  const std::string folder = TApplication::ExeDir();
  const std::string beside = folder + PICTOR_PLUGIN_NAME;
  const std::string installed = folder + "../lib/pictor/" + PICTOR_PLUGIN_NAME;
  if (access(beside.c_str(), F_OK) != 0 && access(installed.c_str(), F_OK) == 0) return installed;
  return beside;
}

}  // namespace pictor
