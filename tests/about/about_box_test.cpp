// The about box: its texts, its links into the program's home folder and OK.
#include "about/about_box.h"

#include <gtest/gtest.h>

#include <QPalette>

#include "about/version.h"

#include "host/toolkit/application.h"
#include "host/toolkit/screen.h"
#include "host/toolkit/shell.h"
#include "host/toolkit/test_hooks.h"

namespace pictor {
namespace {

TEST(FormAbout, ShowsTheProductTheVersionAndTwoLinks) {
  TFormAbout about;
  EXPECT_EQ(about.Caption(), "About Pictor");
  EXPECT_EQ(about.lblProduct->Caption(), "Pictor");
  EXPECT_TRUE(about.lblVersion->Caption().starts_with("version 1.1a"));
  // The one version pictor --version prints too.
  EXPECT_EQ(about.lblVersion->Caption(), std::string("version ") + kPictorVersion);
  about.lblVersion->ensurePolished();
  const QColor text = about.lblVersion->palette().color(QPalette::WindowText);
  for (TLabel* link : {about.lblReadme, about.lblHome}) {
    EXPECT_EQ(link->Cursor(), crHandPoint);
    EXPECT_TRUE(static_cast<bool>(link->OnClick));
    // Links look like links: underlined, in a colour of their own.
    link->ensurePolished();
    EXPECT_TRUE(link->font().underline());
    EXPECT_NE(link->palette().color(QPalette::WindowText), text);
  }
}

TEST(FormAbout, LinksLeadIntoTheProgramsHomeFolder) {
  const std::string home = TApplication::ExeDir();
  TFormAbout about;
  EXPECT_EQ(TFormAbout::LinkTarget(about.lblReadme->Caption()), home + "README.md");
  EXPECT_EQ(TFormAbout::LinkTarget(about.lblHome->Caption()), home);
  EXPECT_EQ(TFormAbout::LinkTarget("/usr/share/doc"), "/usr/share/doc");
}

TEST(FormAbout, ClickingALinkOpensItsTargetOrSaysItIsMissing) {
  TFormAbout about;
  test_hooks::CaptureOpened(true);
  // The folder exists (it holds this program); a README is not beside the test program.
  about.lblHome->Click();
  EXPECT_EQ(test_hooks::TakeOpened(), std::vector<std::string>{TApplication::ExeDir()});
  try {
    about.lblReadme->Click();
    ADD_FAILURE() << "a missing file opened";
  } catch (const EShellError& e) {
    EXPECT_NE(std::string(e.what()).find(TApplication::ExeDir() + "README.md"), std::string::npos)
        << e.what();
  }
  EXPECT_TRUE(test_hooks::TakeOpened().empty());
  test_hooks::CaptureOpened(false);
}

TEST(FormAbout, OkClosesTheBoxWithResultOne) {
  TFormAbout about;
  test_hooks::ScriptModal([&](TForm&) { about.btOK->Click(); });
  EXPECT_EQ(about.ShowModal(), mrOk);
  EXPECT_EQ(test_hooks::PendingScripts(), 0);
}

}  // namespace
}  // namespace pictor
