#include "host/designtime/class_ref.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>

namespace pictor {

std::string ShortClassName(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
  std::string name = status == 0 && demangled ? demangled.get() : type.name();
  const auto colon = name.rfind("::");
  return colon == std::string::npos ? name : name.substr(colon + 2);
}

std::string TClassInfo::ClassName() const { return ShortClassName(type_); }

}  // namespace pictor
