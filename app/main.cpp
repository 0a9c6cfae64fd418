// pictor: the stand-alone host of the picture editor plug-in (see --help).
#include <signal.h>

#include <iostream>

#include "app/run.h"

int main(int argc, char** argv) {
  // A write beyond the file size limit then fails with an error pictor reports,
  // instead of ending the program.
  signal(SIGXFSZ, SIG_IGN);
  return pictor::RunPictor(argc, argv, std::cout, std::cerr);
}
