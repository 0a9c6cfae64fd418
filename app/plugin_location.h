// Where pictor finds its plug-in library.
#pragma once

#include <string>

namespace pictor {

// $PICTOR_PLUGIN when set; else the plug-in beside the program (the build
// tree); else in ../lib/pictor/ from the program's folder (an installation).
// When it is in neither place, the name beside the program, for the message.
std::string FindPlugin();

}  // namespace pictor
