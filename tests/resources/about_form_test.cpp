// The about box's form description: caption, picture, product name, version,
// the two link labels and OK.
#include <gtest/gtest.h>

#include "host/toolkit/form.h"
#include "tests/support/qt_application.h"
#include "ui_about_box.h"

namespace pictor {
namespace {

TEST(AboutForm, ShowsProductVersionPictureLinksAndOK) {
  testing::EnsureApplication();
  TForm form;
  Ui::FormAbout ui;
  ui.setupUi(&form);
  EXPECT_EQ(form.windowTitle().toStdString(), "About Pictor");
  EXPECT_EQ(ui.lblProduct->text().toStdString(), "Pictor");
  EXPECT_TRUE(ui.lblVersion->text().startsWith("version 1.1a"));
  ASSERT_FALSE(ui.imgPicture->pixmap().isNull());
  EXPECT_EQ(ui.imgPicture->pixmap().size(), QSize(32, 32));
  // The picture's background is transparent, so it sits on the window's face.
  EXPECT_TRUE(ui.imgPicture->pixmap().toImage().pixelColor(0, 31).alpha() == 0);
  EXPECT_FALSE(ui.lblReadme->text().isEmpty());
  EXPECT_FALSE(ui.lblHome->text().isEmpty());
  EXPECT_EQ(ui.btOK->ModalResult(), mrOk);
  EXPECT_TRUE(ui.btOK->Default());
  EXPECT_EQ(ui.btOK->text().toStdString(), "OK");
}

}  // namespace
}  // namespace pictor
