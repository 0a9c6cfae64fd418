// The command line of pictor: pictor [--help | --version | [--] FILE].
#pragma once

#include <string>
#include <vector>

namespace pictor {

struct TCommandLine {
  enum class TAction { Edit, Help, Version, Error };
  TAction Action = TAction::Edit;
  std::string File;   // empty: the bundled sample picture
  std::string Error;  // what is wrong, for TAction::Error
};

// args are the arguments after the program name.
TCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The text --help prints.
std::string UsageText();

}  // namespace pictor
