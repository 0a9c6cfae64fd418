// The exit codes of pictor (also listed by --help).
#pragma once

namespace pictor {

enum ExitCode : int {
  // The edit ended: the changes were written, or there was nothing to write
  // (Cancel, Clear, OK without changes); also --help and --version.
  kExitOk = 0,
  // The picture could not be read, the editor failed, or the edited picture
  // cannot be written: said before the editor opens, or, when the write fails
  // after OK, the file on disk is left as it was and the picture goes to a
  // recovery file.
  kExitError = 1,
  // The command line is wrong: an unknown option, more than one file, or a
  // file whose extension pictor does not read.
  kExitUsage = 2,
  // The plug-in could not be loaded or registers no editor for pictures.
  kExitPlugin = 3,
  // No display to show the editor on.
  kExitDisplay = 4,
};

}  // namespace pictor
