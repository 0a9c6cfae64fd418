// Where pictor finds its plug-in library.
#pragma once

#include <string>

namespace pictor {

// $PICTOR_PLUGIN when set; else FindPluginFrom the program's folder.
std::string FindPlugin();

// The plug-in beside the program in programFolder (a build folder); else in
// the library folder of the installation (PICTOR_LIBRARY_FOLDER, taken from
// programFolder). When it is in neither place, the name beside the program,
// for the message. programFolder ends with '/'.
std::string FindPluginFrom(const std::string& programFolder);

}  // namespace pictor
