#include "about/about_box.h"

#include "about/version.h"

#include "host/toolkit/application.h"
#include "host/toolkit/screen.h"
#include "host/toolkit/shell.h"

namespace pictor {

TFormAbout::TFormAbout() {
  setupUi(this);
  lblVersion->SetCaption(std::string("version ") + kPictorVersion);
  for (TLabel* link : {lblReadme, lblHome}) link->SetCursor(crHandPoint);
  WireEvents();
  DoCreate();
}

TFormAbout::~TFormAbout() { DoDestroy(); }

void TFormAbout::WireEvents() {
  for (TLabel* link : {lblReadme, lblHome})
    link->OnClick = Handler(this, &TFormAbout::lblLinkClick);
}

std::string TFormAbout::LinkTarget(const std::string& caption) {
  if (!caption.empty() && caption.front() == '/') return caption;
  std::string relative = caption;
  if (relative.starts_with("./")) relative.erase(0, 2);
  return TApplication::ExeDir() + relative;
}

void TFormAbout::lblLinkClick(TObject* Sender) {
  auto* link = dynamic_cast<TLabel*>(Sender);
  if (!link) return;
  ShellOpen(LinkTarget(link->Caption()));
}

}  // namespace pictor
