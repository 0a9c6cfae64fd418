#include "host/designtime/package.h"

#include <dlfcn.h>

#include "host/designtime/package_info.h"
#include "host/designtime/registry.h"

namespace pictor {

namespace {

std::vector<std::string> NameList(const char* const* names) {
  std::vector<std::string> result;
  for (; names && *names; ++names) result.emplace_back(*names);
  return result;
}

std::string LastDlError() {
  const char* error = dlerror();
  return error ? error : "unknown error";
}

}  // namespace

std::unique_ptr<TPackage> TPackage::Load(const std::string& fileName) {
  dlerror();
  // The library stays mapped after the package is closed, since the toolkit
  // may still hold pointers into it (type registrations, resources); closing
  // removes the package's registrations.
  void* handle = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (!handle) throw EPackageError("Cannot load package " + fileName + ": " + LastDlError());
  std::unique_ptr<TPackage> package(new TPackage(fileName, handle));
  package->ReadInfo();
  package->CallRegisterProcedures();
  return package;
}

TPackage::~TPackage() {
  PropertyEditorRegistry().UnregisterModule(this);
  dlclose(handle_);
}

void TPackage::ReadInfo() {
  dlerror();
  auto info = reinterpret_cast<TPackageInfoFunction>(dlsym(handle_, kPackageInfoSymbol));
  if (!info)
    throw EPackageError(fileName_ + " is not a Pictor package: it has no package information");
  const TPackageInfo* data = info();
  if (!data || data->ApiVersion != kDesignTimeApiVersion)
    throw EPackageError(fileName_ + " was built for another version of the design-time API");
  description_ = data->Description ? data->Description : "";
  units_ = NameList(data->Units);
}

void TPackage::CallRegisterProcedures() {
  TRegistrationScope scope(this);
  for (const std::string& unit : units_) {
    const std::string symbol = unit + kRegisterSymbolSuffix;
    auto procedure = reinterpret_cast<TRegisterProcedure>(dlsym(handle_, symbol.c_str()));
    if (!procedure) continue;
    try {
      procedure();
    } catch (const std::exception& e) {
      // The destructor of the half-loaded package removes what it registered.
      throw EPackageError("Register of unit " + unit + " in " + fileName_ + " failed: " + e.what());
    }
    registered_.push_back(unit);
  }
}

}  // namespace pictor
