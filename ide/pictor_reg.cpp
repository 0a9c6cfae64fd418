#include "ide/pictor_reg.h"

#include "host/designtime/registry.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/picture.h"
#include "ide/picture_property.h"

namespace pictor::PictorReg {

void Register() {
  const TPropertyEditorClass editor = PropertyEditorClassOf<TPictureProperty>();
  RegisterPropertyEditor(ClassOf<TBitmap>(), ClassOf<TObject>(), "", editor);
  RegisterPropertyEditor(ClassOf<TPicture>(), ClassOf<TObject>(), "", editor);
  RegisterPropertyEditor(ClassOf<TPicture>(), nullptr, "", editor);
}

}  // namespace pictor::PictorReg
