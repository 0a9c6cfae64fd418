#include "attributes/image_attributes_dialog.h"

#include "host/toolkit/application.h"

namespace pictor {

TdlgImageAttributes::TdlgImageAttributes() {
  setupUi(this);
  WireEvents();
  DoCreate();
}

TdlgImageAttributes::~TdlgImageAttributes() { DoDestroy(); }

void TdlgImageAttributes::WireEvents() {
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  btHelp->OnClick = [this](TObject* Sender) { btHelpClick(Sender); };
}

void TdlgImageAttributes::FormCreate(TObject*) {
  HelpFile = TApplication::ExeDir() + "Pictor.hlp";
}

void TdlgImageAttributes::btHelpClick(TObject*) { Application->HelpContext(HelpContext()); }

}  // namespace pictor
