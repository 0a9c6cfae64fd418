// TFormAbout: the about box the editor's "About Pictor" button opens: the
// program's picture, name and version, two links into its home folder (its
// README file and the folder itself), opened with the desktop's handler for
// them, and OK.
#pragma once

#include <string>

#include "host/toolkit/form.h"
#include "ui_about_box.h"

namespace pictor {

class TFormAbout : public TForm, public Ui::FormAbout {
 public:
  TFormAbout();
  ~TFormAbout() override;
  const char* ClassName() const override { return "TFormAbout"; }

  // The address a link label opens: its caption, taken relative to the
  // program's home folder (the folder of its executable).
  static std::string LinkTarget(const std::string& caption);

  // OnClick of both link labels.
  void lblLinkClick(TObject* Sender);

 private:
  void WireEvents();
};

}  // namespace pictor
