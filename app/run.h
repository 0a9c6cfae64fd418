// The stand-alone host program: the whole of one run of pictor.
#pragma once

#include <iosfwd>

namespace pictor {

// Runs pictor with its command line; writes what it did to out and errors to
// err; returns the exit code (exit_codes.h). Makes the toolkit's application
// unless one exists already.
int RunPictor(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace pictor
