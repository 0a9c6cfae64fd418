// The program's version: the about box shows it and pictor --version prints it.
#pragma once

namespace pictor {

inline constexpr char kPictorVersion[] = "1.1a";

}  // namespace pictor
