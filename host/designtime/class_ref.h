// Class references: a value that names a class of the object hierarchy, so a
// registration can say "properties of type TPicture" or "components of any
// class", and a lookup can ask whether one class derives from another.
#pragma once

#include <string>
#include <type_traits>
#include <typeinfo>

#include "host/graphics/object.h"

namespace pictor {

class TClassInfo {
 public:
  using Thrower = void (*)();
  using Catcher = bool (*)(Thrower);
  using InstanceTest = bool (*)(const TObject*);

  TClassInfo(const std::type_info& type, Thrower thrower, Catcher catcher, InstanceTest isInstance)
      : type_(type), thrower_(thrower), catcher_(catcher), isInstance_(isInstance) {}

  // The class name without its namespace ("TPicture").
  std::string ClassName() const;
  // True when this class is base or derives publicly from it.
  bool InheritsFrom(const TClassInfo& base) const { return base.catcher_(thrower_); }
  // True when obj is not null and of this class or a class derived from it.
  bool IsInstance(const TObject* obj) const { return isInstance_(obj); }
  bool SameAs(const TClassInfo& other) const { return type_ == other.type_; }

 private:
  const std::type_info& type_;
  Thrower thrower_;
  Catcher catcher_;
  InstanceTest isInstance_;
};

// A class reference; nullptr stands for "any class" where a registration allows it.
using TClass = const TClassInfo*;

// The name of a C++ class as the object hierarchy shows it: demangled, without namespaces.
std::string ShortClassName(const std::type_info& type);

namespace class_ref_detail {

// Whether one class derives from another is asked of the C++ runtime: a null
// pointer of the derived class is thrown and caught as a pointer to the base,
// which the language allows exactly for public, unambiguous bases. This works
// for classes that live in different shared libraries too.
template <class T>
[[noreturn]] void Throw() {
  throw static_cast<const T*>(nullptr);
}

template <class T>
bool Catches(TClassInfo::Thrower thrower) {
  try {
    thrower();
  } catch (const T*) {
    return true;
  } catch (...) {
    return false;
  }
  return false;
}

template <class T>
bool IsInstance(const TObject* obj) {
  return dynamic_cast<const T*>(obj) != nullptr;
}

}  // namespace class_ref_detail

// The class reference of T, a class derived from TObject.
template <class T>
TClass ClassOf() {
  static_assert(std::is_base_of_v<TObject, T>, "class references name TObject classes");
  static const TClassInfo info(typeid(T), &class_ref_detail::Throw<T>,
                               &class_ref_detail::Catches<T>, &class_ref_detail::IsInstance<T>);
  return &info;
}

}  // namespace pictor
