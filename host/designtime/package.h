// Loading a design-time package (a plug-in library) into the host.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/graphics/errors.h"

namespace pictor {

// A package that cannot be loaded or whose registration failed.
class EPackageError : public Exception {
  using Exception::Exception;
};

class TPackage {
 public:
  // Opens the library, checks that it was built for this host's design-time
  // API, and calls the Register procedure of each of its units that exports
  // one, in the package's unit order. When a Register fails, what the package
  // registered so far is removed, the library closed, and EPackageError raised.
  static std::unique_ptr<TPackage> Load(const std::string& fileName);
  // Removes the package's registrations, then closes the library (whose code
  // stays mapped until the process ends).
  ~TPackage();
  TPackage(const TPackage&) = delete;
  TPackage& operator=(const TPackage&) = delete;

  const std::string& FileName() const { return fileName_; }
  const std::string& Description() const { return description_; }
  const std::vector<std::string>& Units() const { return units_; }
  // The units whose Register was called, in order.
  const std::vector<std::string>& RegisteredUnits() const { return registered_; }

 private:
  TPackage(std::string fileName, void* handle) : fileName_(std::move(fileName)), handle_(handle) {}
  void ReadInfo();
  void CallRegisterProcedures();

  std::string fileName_;
  void* handle_;
  std::string description_;
  std::vector<std::string> units_;
  std::vector<std::string> registered_;
};

}  // namespace pictor
