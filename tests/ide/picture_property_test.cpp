#include <gtest/gtest.h>

#include "host/graphics/bitmap.h"
#include "host/graphics/icon.h"
#include "host/graphics/jpeg_image.h"
#include "host/graphics/metafile.h"
#include "host/graphics/picture.h"
#include "plugin_fixture.h"
#include "tests/designtime/test_components.h"

namespace pictor {
namespace {

using testing::TTestButton;
using testing::TTestImage;

class PictureValueTest : public testing::PluginTest {};

TEST_F(PictureValueTest, APictureShowsItsGraphicsClassOrNone) {
  TTestImage image;
  auto editor = EditorFor(image, "Picture");
  EXPECT_EQ(editor->GetValue(), "(None)");

  image.Picture()->TakeGraphic(std::make_unique<TJPEGImage>());
  EXPECT_EQ(editor->GetValue(), "(TJPEGImage)");
  image.Picture()->TakeGraphic(std::make_unique<TIcon>());
  EXPECT_EQ(editor->GetValue(), "(TIcon)");
  image.Picture()->TakeGraphic(std::make_unique<TMetafile>());
  EXPECT_EQ(editor->GetValue(), "(TMetafile)");
  // A picture holding an empty bitmap still holds a graphic.
  image.Picture()->TakeGraphic(std::make_unique<TBitmap>());
  EXPECT_EQ(editor->GetValue(), "(TBitmap)");
}

TEST_F(PictureValueTest, ABitmapShowsNoneWhileEmpty) {
  TTestButton button;
  auto editor = EditorFor(button, "Glyph");
  EXPECT_EQ(editor->GetValue(), "(None)");
  button.Glyph()->SetSize(1, 1);
  EXPECT_EQ(editor->GetValue(), "(TBitmap)");
  button.Glyph()->SetSize(0, 4);
  EXPECT_EQ(editor->GetValue(), "(None)");
}

TEST_F(PictureValueTest, NoObjectShowsNil) {
  testing::TNilPicture holder;
  auto editor = EditorFor(holder, "Picture");
  EXPECT_EQ(editor->GetValue(), "(nil)");
}

TEST_F(PictureValueTest, AnEmptyTextClearsThePropertyAndMarksTheFormModified) {
  TTestImage image;
  image.Picture()->Bitmap()->SetSize(4, 4);
  auto editor = EditorFor(image, "Picture");
  editor->SetValue("");
  EXPECT_EQ(image.setCount, 1);
  EXPECT_EQ(image.Picture()->Graphic(), nullptr);
  EXPECT_EQ(editor->GetValue(), "(None)");
  EXPECT_TRUE(designer.IsModified());

  TTestButton button;
  button.Glyph()->SetSize(2, 3);
  EditorFor(button, "Glyph")->SetValue("");
  EXPECT_TRUE(button.Glyph()->Empty());
}

TEST_F(PictureValueTest, AnyOtherTextIsIgnored) {
  TTestImage image;
  image.Picture()->Bitmap()->SetSize(4, 4);
  auto editor = EditorFor(image, "Picture");
  for (const char* text : {" ", "(None)", "(nil)", "0"}) editor->SetValue(text);
  EXPECT_EQ(image.setCount, 0);
  EXPECT_EQ(image.Picture()->Width(), 4);
  EXPECT_FALSE(designer.IsModified());
}

}  // namespace
}  // namespace pictor
