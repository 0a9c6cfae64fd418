#include "host/designtime/registry.h"

#include <algorithm>
#include <ranges>

namespace pictor {

namespace {

const void* registeringModule = nullptr;

}  // namespace

void TPropertyEditorRegistry::Register(TClass PropertyType, TClass ComponentClass,
                                       std::string_view PropertyName,
                                       TPropertyEditorClass EditorClass, const void* module) {
  if (!PropertyType) throw EPropertyError("A property editor needs a property type");
  if (!EditorClass) throw EPropertyError("A property editor registration needs an editor class");
  entries_.push_back(
      {PropertyType, ComponentClass, std::string(PropertyName), EditorClass, module});
}

void TPropertyEditorRegistry::UnregisterModule(const void* module) {
  std::erase_if(entries_,
                [module](const TPropertyEditorRegistration& e) { return e.Module == module; });
}

TPropertyEditorClass TPropertyEditorRegistry::Find(const TComponent& component,
                                                   const TPropInfo& property) const {
  for (const TPropertyEditorRegistration& e : entries_ | std::views::reverse) {
    if (!property.PropType || !property.PropType->InheritsFrom(*e.PropertyType)) continue;
    if (e.ComponentClass && !e.ComponentClass->IsInstance(&component)) continue;
    if (!e.PropertyName.empty() && !SameText(e.PropertyName, property.Name)) continue;
    return e.EditorClass;
  }
  return nullptr;
}

std::unique_ptr<TPropertyEditor> TPropertyEditorRegistry::CreateEditor(
    TDesigner& designer, TComponent& component, const TPropInfo& property) const {
  TPropertyEditorClass editorClass = Find(component, property);
  if (!editorClass) return nullptr;
  return editorClass->Create(TPropertyEditorContext{&designer, &component, &property});
}

TPropertyEditorRegistry& PropertyEditorRegistry() {
  static TPropertyEditorRegistry registry;
  return registry;
}

void RegisterPropertyEditor(TClass PropertyType, TClass ComponentClass,
                            std::string_view PropertyName, TPropertyEditorClass EditorClass) {
  PropertyEditorRegistry().Register(PropertyType, ComponentClass, PropertyName, EditorClass,
                                    registeringModule);
}

std::unique_ptr<TPropertyEditor> CreatePropertyEditor(TDesigner& designer, TComponent& component,
                                                      std::string_view propertyName) {
  const TPropInfo* property = component.FindProperty(propertyName);
  if (!property)
    throw EPropertyError(std::string(component.ClassName()) + " has no property " +
                         std::string(propertyName));
  return PropertyEditorRegistry().CreateEditor(designer, component, *property);
}

TRegistrationScope::TRegistrationScope(const void* module) : previous_(registeringModule) {
  registeringModule = module;
}

TRegistrationScope::~TRegistrationScope() { registeringModule = previous_; }

}  // namespace pictor
