// TPropertyEditor: the base class of the editors an inspector uses to show and
// change one property of a component.
#pragma once

#include <memory>
#include <string>

#include "host/designtime/component.h"
#include "host/designtime/designer.h"
#include "host/graphics/set.h"

namespace pictor {

enum class TPropertyAttribute {
  paValueList,
  paSubProperties,
  paDialog,
  paMultiSelect,
  paAutoUpdate,
  paSortList,
  paReadOnly,
  paRevertable
};
inline constexpr TPropertyAttribute paValueList = TPropertyAttribute::paValueList;
inline constexpr TPropertyAttribute paSubProperties = TPropertyAttribute::paSubProperties;
inline constexpr TPropertyAttribute paDialog = TPropertyAttribute::paDialog;
inline constexpr TPropertyAttribute paMultiSelect = TPropertyAttribute::paMultiSelect;
inline constexpr TPropertyAttribute paAutoUpdate = TPropertyAttribute::paAutoUpdate;
inline constexpr TPropertyAttribute paSortList = TPropertyAttribute::paSortList;
inline constexpr TPropertyAttribute paReadOnly = TPropertyAttribute::paReadOnly;
inline constexpr TPropertyAttribute paRevertable = TPropertyAttribute::paRevertable;
using TPropertyAttributes = TSet<TPropertyAttribute>;

// What an editor edits: one property of one component, on behalf of a designer.
struct TPropertyEditorContext {
  TDesigner* Designer = nullptr;
  TComponent* Component = nullptr;
  const TPropInfo* Property = nullptr;
};

class TPropertyEditor {
 public:
  explicit TPropertyEditor(const TPropertyEditorContext& context);
  virtual ~TPropertyEditor() = default;
  TPropertyEditor(const TPropertyEditor&) = delete;
  TPropertyEditor& operator=(const TPropertyEditor&) = delete;

  // Runs the editor's dialog (the inspector's ellipsis button); the base does nothing.
  virtual void Edit();
  // How the inspector offers the property; the base: {paRevertable}.
  virtual TPropertyAttributes GetAttributes();
  // The text of the inspector's value column; the base: "(unknown)".
  virtual std::string GetValue();
  // Text typed into the value column; the base ignores it.
  virtual void SetValue(const std::string& Value);

  std::string GetName() const;
  // The property's value: an object or nullptr.
  TObject* GetOrdValue() const;
  // Writes the value through the component's setter, then calls Modified.
  void SetOrdValue(TObject* Value);
  // Tells the designer that the form changed.
  void Modified();

  TComponent* GetComponent() const { return context_.Component; }
  TDesigner* Designer() const { return context_.Designer; }

 private:
  TPropertyEditorContext context_;
};

// A property editor class: its name and how the host makes an instance.
struct TPropertyEditorClassInfo {
  std::string Name;
  std::unique_ptr<TPropertyEditor> (*Create)(const TPropertyEditorContext& context);
};
using TPropertyEditorClass = const TPropertyEditorClassInfo*;

template <class E>
TPropertyEditorClass PropertyEditorClassOf() {
  static_assert(std::is_base_of_v<TPropertyEditor, E>, "editors derive from TPropertyEditor");
  static const TPropertyEditorClassInfo info{
      ShortClassName(typeid(E)),
      [](const TPropertyEditorContext& context) -> std::unique_ptr<TPropertyEditor> {
        return std::make_unique<E>(context);
      }};
  return &info;
}

}  // namespace pictor
