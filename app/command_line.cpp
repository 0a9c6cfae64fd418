#include "app/command_line.h"

#include "editor/picture_file_types.h"
#include "host/graphics/limits.h"

namespace pictor {

TCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  TCommandLine result;
  bool options = true;
  for (const std::string& arg : args) {
    if (options && arg == "--") {
      options = false;
    } else if (options && (arg == "--help" || arg == "-h")) {
      return {TCommandLine::TAction::Help, "", ""};
    } else if (options && (arg == "--version" || arg == "-V")) {
      return {TCommandLine::TAction::Version, "", ""};
    } else if (options && arg.size() > 1 && arg[0] == '-') {
      return {TCommandLine::TAction::Error, "", "unknown option " + arg};
    } else if (!result.File.empty()) {
      return {TCommandLine::TAction::Error, "", "more than one file given"};
    } else if (arg.empty()) {
      return {TCommandLine::TAction::Error, "", "empty file name"};
    } else {
      result.File = arg;
    }
  }
  return result;
}

std::string UsageText() {
  return R"(Usage: pictor [FILE]
  or:  pictor --help | --version

Opens the picture editor on FILE the way a form designer's inspector edits a
picture property: pictor loads the plug-in, puts FILE into a picture property
and runs the property's registered editor. FILE is a picture of type
)" + PictureFileExtensions("or") +
         R"( (any case).

When the editor ends with OK after a change, or with "File..." after loading
another picture, pictor writes the picture back in FILE's own format:
  )" + PictureFileExtensions("", TFileTypeUse::Written) +
         R"(:
      FILE itself is replaced (a JPEG is compressed anew);
  )" + PictureFileExtensions("", TFileTypeUse::ReadOnly) +
         R"(:
      the edited picture is a bitmap now; it is written beside FILE with the
      extension .bmp (picture.ico -> picture.bmp), or, when that file exists,
      as picture-1.bmp, picture-2.bmp, ...
Every write goes to a temporary file in the same folder, which is then
renamed over the target, so a failed write leaves the file as it was.
Cancel and Clear write nothing; OK without a change writes nothing.

Without FILE, pictor opens its bundled sample picture (a 4-bit bitmap). A
changed sample is saved as sample.bmp in the current folder, or as
sample-1.bmp, ... when that exists; no existing file is overwritten.

Options:
  -h, --help     show this text and exit
  -V, --version  show the version and exit
  --             the next argument is FILE, even when it starts with '-'

Files:
  )" + std::string(PICTOR_PLUGIN_NAME) + R"(
      the plug-in: beside the program (a build folder), else in
      )" + PICTOR_LIBRARY_FOLDER + R"( from the program's folder (an installation)
  Pictor.html, pictor-manual/
      the manual that Help opens in the desktop's browser, standing for the
      help file Pictor.hlp the editor names: beside the program
  README.md
      the file the about box links to: beside the program

Environment:
  PICTOR_PLUGIN  the plug-in library to load instead

Limits:
  A picture is at most )" + std::to_string(kDefaultImageLimits.maxDimension) +
         R"( pixels wide and high, with at most
  )" + std::to_string(kDefaultImageLimits.maxBytes >> 20) +
         R"( MiB of pixel data; a file that declares more is refused with an
  error, and nothing is changed.

Exit codes:
  0  the edit ended: changes written, or nothing to write
  1  FILE could not be read, the editor failed, or the picture cannot be
     written: said before the editor opens; when a write fails after OK,
     the file on disk is left as it was and the edited picture is saved in
     $XDG_DATA_HOME/pictor (~/.local/share/pictor) or the temporary folder,
     under a name that is printed
  2  wrong command line: unknown option, more than one FILE, or an
     extension pictor does not read
  3  the plug-in could not be loaded or registers no picture editor
  4  cannot open the display (no DISPLAY or WAYLAND_DISPLAY)
)";
}

}  // namespace pictor
