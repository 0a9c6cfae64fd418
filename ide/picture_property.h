// TPictureProperty: the inspector's editor of TPicture and TBitmap properties.
#pragma once

#include <string>

#include "host/designtime/property_editor.h"

namespace pictor {

class TPictureProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;

  // Runs the picture editor on the property's object; when it replaced the
  // content, writes the object back through the property and tells the
  // designer that the form changed.
  void Edit() override;
  // Only paDialog: the inspector shows an ellipsis button; the value is not typed in.
  TPropertyAttributes GetAttributes() override;
  // "(None)" for an empty picture or bitmap, else the graphic's class name in
  // parentheses; "(nil)" for no object or one of another class.
  std::string GetValue() override;
  // An empty text sets the property to nil; any other text is ignored.
  void SetValue(const std::string& Value) override;
};

}  // namespace pictor
