#include "ide/picture_property.h"

#include "editor/edit_picture_property.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/picture.h"

namespace pictor {

void TPictureProperty::Edit() {
  if (EditPictureProperty(GetOrdValue())) {
    // The same object, so the owning component takes the new content.
    SetOrdValue(GetOrdValue());
    Modified();
  }
}

TPropertyAttributes TPictureProperty::GetAttributes() { return {paDialog}; }

std::string TPictureProperty::GetValue() {
  std::string result = "(nil)";
  TObject* object = GetOrdValue();
  if (auto* picture = dynamic_cast<TPicture*>(object)) {
    if (picture->Graphic())
      result = std::string("(") + picture->Graphic()->ClassName() + ")";
    else
      result = "(None)";
  } else if (auto* bitmap = dynamic_cast<TBitmap*>(object)) {
    if (bitmap->Empty())
      result = "(None)";
    else
      result = std::string("(") + bitmap->ClassName() + ")";
  }
  return result;
}

void TPictureProperty::SetValue(const std::string& Value) {
  if (Value.empty()) SetOrdValue(nullptr);
}

}  // namespace pictor
