// The editor registry: which property editor a host uses for a property.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/designtime/property_editor.h"

namespace pictor {

// One call of RegisterPropertyEditor.
struct TPropertyEditorRegistration {
  TClass PropertyType;
  TClass ComponentClass;
  std::string PropertyName;
  TPropertyEditorClass EditorClass;
  const void* Module;
};

class TPropertyEditorRegistry {
 public:
  // Registers EditorClass for properties whose class is PropertyType or derives
  // from it, of components of ComponentClass or a class derived from it (nullptr:
  // any class), named PropertyName (empty: any name, else compared without
  // regard to case). module tags the registration so it can be removed again.
  void Register(TClass PropertyType, TClass ComponentClass, std::string_view PropertyName,
                TPropertyEditorClass EditorClass, const void* module = nullptr);
  // Removes every registration made with the tag module.
  void UnregisterModule(const void* module);

  // The editor class for the property of component: among the registrations
  // that match, the one made last; nullptr when none matches.
  TPropertyEditorClass Find(const TComponent& component, const TPropInfo& property) const;
  // An editor of that class set up on the property, or nullptr when none matches.
  std::unique_ptr<TPropertyEditor> CreateEditor(TDesigner& designer, TComponent& component,
                                                const TPropInfo& property) const;

  std::size_t Count() const { return entries_.size(); }
  // Every registration, the oldest first.
  const std::vector<TPropertyEditorRegistration>& Registrations() const { return entries_; }

 private:
  std::vector<TPropertyEditorRegistration> entries_;
};

// The host's registry, which plug-ins register into.
TPropertyEditorRegistry& PropertyEditorRegistry();

// Registers into the host's registry, tagged with the package being loaded.
void RegisterPropertyEditor(TClass PropertyType, TClass ComponentClass,
                            std::string_view PropertyName, TPropertyEditorClass EditorClass);

// What an inspector does when a property is selected: an editor from the
// host's registry for the named property of component, or nullptr when no
// editor is registered for it. An unknown property name raises EPropertyError.
std::unique_ptr<TPropertyEditor> CreatePropertyEditor(TDesigner& designer, TComponent& component,
                                                      std::string_view propertyName);

// While one exists, RegisterPropertyEditor tags its registrations with module
// (the package loader sets it around the calls of a package's Register).
class TRegistrationScope {
 public:
  explicit TRegistrationScope(const void* module);
  ~TRegistrationScope();
  TRegistrationScope(const TRegistrationScope&) = delete;
  TRegistrationScope& operator=(const TRegistrationScope&) = delete;

 private:
  const void* previous_;
};

}  // namespace pictor
