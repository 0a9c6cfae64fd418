// What a plug-in library (a design-time package) exports to its host:
// extern "C" const TPackageInfo* PictorPackageInfo(): its description and units;
// extern "C" void <Unit>_Register(): the registration procedure of each unit
// that has one, called once by the host after loading, in the order of Units.
#pragma once

namespace pictor {

// Raised whenever the host and a package disagree on this layout.
inline constexpr int kDesignTimeApiVersion = 1;
inline constexpr char kPackageInfoSymbol[] = "PictorPackageInfo";
inline constexpr char kRegisterSymbolSuffix[] = "_Register";

extern "C" {

struct TPackageInfo {
  int ApiVersion;            // kDesignTimeApiVersion of the headers it was built with
  const char* Description;   // shown by the host: what the package is, then its vendor
  const char* const* Units;  // the units it contains, ending with nullptr
};

using TPackageInfoFunction = const TPackageInfo* (*)();
using TRegisterProcedure = void (*)();
}

}  // namespace pictor
