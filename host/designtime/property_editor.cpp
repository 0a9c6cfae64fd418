#include "host/designtime/property_editor.h"

namespace pictor {

TPropertyEditor::TPropertyEditor(const TPropertyEditorContext& context) : context_(context) {
  if (!context.Designer || !context.Component || !context.Property)
    throw EPropertyError("A property editor needs a designer, a component and a property");
}

void TPropertyEditor::Edit() {}

TPropertyAttributes TPropertyEditor::GetAttributes() { return {paRevertable}; }

std::string TPropertyEditor::GetValue() { return "(unknown)"; }

void TPropertyEditor::SetValue(const std::string&) {}

std::string TPropertyEditor::GetName() const { return context_.Property->Name; }

TObject* TPropertyEditor::GetOrdValue() const {
  return context_.Property->Get(*context_.Component);
}

void TPropertyEditor::SetOrdValue(TObject* Value) {
  context_.Property->Set(*context_.Component, Value);
  Modified();
}

void TPropertyEditor::Modified() { context_.Designer->Modified(); }

}  // namespace pictor
