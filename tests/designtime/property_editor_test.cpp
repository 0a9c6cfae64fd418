#include "host/designtime/property_editor.h"

#include <gtest/gtest.h>

#include "test_components.h"

namespace pictor {
namespace {

using testing::TEditorA;
using testing::TTestButton;
using testing::TTestImage;

class PropertyEditorTest : public ::testing::Test {
 protected:
  TPropertyEditorContext ContextFor(TComponent& component, const char* property) {
    return TPropertyEditorContext{&designer, &component, component.FindProperty(property)};
  }

  TDesigner designer;
  TTestImage image;
};

TEST_F(PropertyEditorTest, TheBaseClassShowsNoValueAndOffersOnlyRevert) {
  TEditorA editor(ContextFor(image, "Picture"));
  EXPECT_EQ(editor.GetAttributes(), TPropertyAttributes{paRevertable});
  EXPECT_EQ(editor.GetValue(), "(unknown)");
  editor.SetValue("");
  editor.Edit();
  EXPECT_EQ(image.setCount, 0);
  EXPECT_FALSE(designer.IsModified());
}

TEST_F(PropertyEditorTest, SetOrdValueGoesThroughTheSetterAndMarksTheFormModified) {
  image.Picture()->Bitmap()->SetSize(3, 2);
  TEditorA editor(ContextFor(image, "Picture"));
  EXPECT_EQ(editor.GetOrdValue(), image.Picture());

  TPicture other;
  other.Bitmap()->SetSize(7, 5);
  editor.SetOrdValue(&other);
  EXPECT_EQ(image.setCount, 1);
  EXPECT_EQ(image.Picture()->Width(), 7);
  EXPECT_EQ(designer.ModifiedCount(), 1);

  editor.SetOrdValue(nullptr);
  EXPECT_EQ(image.Picture()->Graphic(), nullptr);
  EXPECT_EQ(designer.ModifiedCount(), 2);

  editor.Modified();
  EXPECT_EQ(designer.ModifiedCount(), 3);
}

TEST_F(PropertyEditorTest, AValueOfTheWrongClassIsRefusedAndNothingChanges) {
  image.Picture()->Bitmap()->SetSize(3, 2);
  TEditorA editor(ContextFor(image, "Picture"));
  TBitmap bitmap;
  EXPECT_THROW(editor.SetOrdValue(&bitmap), EPropertyError);
  EXPECT_EQ(image.setCount, 0);
  EXPECT_EQ(image.Picture()->Width(), 3);
  EXPECT_FALSE(designer.IsModified());
}

TEST_F(PropertyEditorTest, AnEditorNeedsDesignerComponentAndProperty) {
  TPropertyEditorContext context = ContextFor(image, "Picture");
  context.Designer = nullptr;
  EXPECT_THROW(TEditorA{context}, EPropertyError);
  EXPECT_THROW(TEditorA{ContextFor(image, "Glyph")}, EPropertyError);
}

TEST(Component, PropertiesAreFoundByNameWithoutCase) {
  TTestButton button;
  ASSERT_NE(button.FindProperty("GLYPH"), nullptr);
  EXPECT_EQ(button.FindProperty("glyph")->Name, "Glyph");
  EXPECT_TRUE(button.FindProperty("glyph")->PropType->SameAs(*ClassOf<TBitmap>()));
  EXPECT_EQ(button.FindProperty("Picture"), nullptr);
}

}  // namespace
}  // namespace pictor
