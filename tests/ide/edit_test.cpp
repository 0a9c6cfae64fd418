// TPictureProperty.Edit: the editor window run on the property's object with
// scripted buttons, and what the property and the designer see afterwards.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/toolkit/application.h"
#include "host/toolkit/button.h"
#include "host/toolkit/form.h"
#include "host/toolkit/test_hooks.h"
#include "plugin_fixture.h"
#include "tests/designtime/test_components.h"

namespace pictor {
namespace {

using testing::TTestButton;
using testing::TTestImage;

void ClickOnShow(const char* name) {
  test_hooks::ScriptModal([name](TForm& form) {
    TButton* button = form.findChild<TButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    button->Click();
  });
}

class PictureEditTest : public testing::PluginTest {
 protected:
  void SetUp() override { image.Picture()->Bitmap()->SetSize(3, 2); }
  void TearDown() override {
    EXPECT_EQ(test_hooks::PendingScripts(), 0);
    test_hooks::ClearScripts();
    test_hooks::CaptureMessages(false);
  }

  TTestImage image;
};

TEST_F(PictureEditTest, CancelLeavesThePropertyAloneAndTheFormUnmodified) {
  test_hooks::ScriptModal([](TForm& form) { form.CancelButton()->Click(); });
  EditorFor(image, "Picture")->Edit();
  EXPECT_EQ(image.setCount, 0);
  EXPECT_EQ(image.Picture()->Width(), 3);
  EXPECT_FALSE(designer.IsModified());
}

TEST_F(PictureEditTest, OkWritesTheSameObjectBackAndMarksTheFormModified) {
  TPicture* picture = image.Picture();
  test_hooks::ScriptModal([](TForm& form) { form.DefaultButton()->Click(); });
  EditorFor(image, "Picture")->Edit();
  EXPECT_EQ(image.setCount, 1);
  EXPECT_EQ(image.Picture(), picture);
  EXPECT_EQ(image.Picture()->Width(), 3);
  EXPECT_TRUE(designer.IsModified());
}

TEST_F(PictureEditTest, ClearEmptiesThePictureWithoutTellingTheDesigner) {
  ClickOnShow("btClear");
  EditorFor(image, "Picture")->Edit();
  EXPECT_EQ(image.Picture()->Graphic(), nullptr);
  EXPECT_EQ(image.setCount, 0);
  EXPECT_FALSE(designer.IsModified());
}

TEST_F(PictureEditTest, AFileLoadedIntoABitmapPropertyReachesTheComponent) {
  const std::string file =
      ::testing::TempDir() + "pictor_ide_edit_" + std::to_string(getpid()) + ".bmp";
  TBitmap loaded;
  loaded.SetSize(6, 5);
  loaded.Canvas()->SetPixels(5, 4, clRed);
  loaded.SaveToFile(file);

  TTestButton button;
  test_hooks::ScriptFileDialog(file);
  ClickOnShow("btLoadFile");
  EditorFor(button, "Glyph")->Edit();
  EXPECT_EQ(button.Glyph()->Width(), 6);
  EXPECT_EQ(button.Glyph()->Canvas()->Pixels(5, 4), clRed);
  EXPECT_TRUE(designer.IsModified());
  std::remove(file.c_str());
}

TEST_F(PictureEditTest, ANilPropertyIsReportedAndNothingChanges) {
  testing::TNilPicture holder;
  test_hooks::CaptureMessages(true);
  EditorFor(holder, "Picture")->Edit();
  const auto messages = test_hooks::TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Text, "NIL!");
  EXPECT_FALSE(designer.IsModified());
}

}  // namespace
}  // namespace pictor
