// The package unit: what the plug-in library exports to its host, its
// description and the Register procedures of its units.
#include "host/designtime/package_info.h"
#include "ide/kspin_reg.h"
#include "ide/pictor_reg.h"

namespace {

constexpr const char* kUnits[] = {"Pictor", "PictorReg", "ImAttr",    "KTools",
                                  "KSpin",  "About",     "PictorPkg", nullptr};

constexpr pictor::TPackageInfo kPackageInfo{
    pictor::kDesignTimeApiVersion,
    "Pictor - picture property editor with internal image editor.\nThe Pictor project",
    kUnits,
};

}  // namespace

extern "C" {

__attribute__((visibility("default"))) const pictor::TPackageInfo* PictorPackageInfo() {
  return &kPackageInfo;
}

__attribute__((visibility("default"))) void PictorReg_Register() { pictor::PictorReg::Register(); }

__attribute__((visibility("default"))) void KSpin_Register() { pictor::KSpin::Register(); }
}
