// TdlgImageAttributes: the small modal dialog in which the user chooses an
// image's width, height (1 to 10000 pixels each) and colour depth. Its layout
// is the form description image_attributes.ui; EditImageAttributes runs it.
#pragma once

#include "host/toolkit/form.h"
#include "ui_image_attributes.h"

namespace pictor {

class TdlgImageAttributes : public TForm, public Ui::dlgImageAttributes {
 public:
  TdlgImageAttributes();
  ~TdlgImageAttributes() override;
  const char* ClassName() const override { return "TdlgImageAttributes"; }

  // OnCreate: the help file beside the program.
  void FormCreate(TObject* Sender);
  // Shows the help topic of the dialog's help context.
  void btHelpClick(TObject* Sender);

 private:
  void WireEvents();
};

}  // namespace pictor
