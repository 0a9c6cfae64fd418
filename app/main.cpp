// pictor: the stand-alone host of the picture editor plug-in (see --help).
#include <iostream>

#include "app/run.h"

int main(int argc, char** argv) { return pictor::RunPictor(argc, argv, std::cout, std::cerr); }
