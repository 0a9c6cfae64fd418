// Components: objects a form designer places on a form, with published
// properties whose values are objects (a picture, a bitmap, ...).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/designtime/class_ref.h"
#include "host/graphics/errors.h"
#include "host/graphics/object.h"

namespace pictor {

// A property value of the wrong class, or an unknown property.
class EPropertyError : public Exception {
  using Exception::Exception;
};

class TComponent;

// A published property: its name, the class of its values, and how the
// component reads and writes it.
struct TPropInfo {
  std::string Name;
  TClass PropType = nullptr;
  std::function<TObject*(const TComponent&)> Get;
  std::function<void(TComponent&, TObject*)> Set;
};

class TComponent : public TObject {
 public:
  const char* ClassName() const override { return "TComponent"; }

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  const std::vector<TPropInfo>& Properties() const { return properties_; }
  // The property of that name (names compare without regard to case), or nullptr.
  const TPropInfo* FindProperty(std::string_view name) const;

 protected:
  // Publishes a property of class T read by get and written by set. Writing a
  // value of another class raises EPropertyError; nullptr is passed through.
  template <class T, class Owner>
  void DefineProperty(std::string name, T* (Owner::*get)() const, void (Owner::*set)(T*)) {
    TPropInfo info;
    info.Name = std::move(name);
    info.PropType = ClassOf<T>();
    info.Get = [get](const TComponent& c) -> TObject* {
      return (static_cast<const Owner&>(c).*get)();
    };
    info.Set = [set, propName = info.Name](TComponent& c, TObject* value) {
      T* typed = dynamic_cast<T*>(value);
      if (value && !typed)
        throw EPropertyError(std::string("Invalid value of class ") + value->ClassName() +
                             " for property " + propName);
      (static_cast<Owner&>(c).*set)(typed);
    };
    properties_.push_back(std::move(info));
  }

 private:
  std::string name_;
  std::vector<TPropInfo> properties_;
};

// True when both names are equal without regard to ASCII case.
bool SameText(std::string_view a, std::string_view b);

}  // namespace pictor
