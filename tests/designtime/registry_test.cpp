#include "host/designtime/registry.h"

#include <gtest/gtest.h>

#include "host/graphics/jpeg_image.h"
#include "test_components.h"

namespace pictor {
namespace {

using testing::TEditorA;
using testing::TEditorB;
using testing::TEditorC;
using testing::TFancyButton;
using testing::TTestButton;
using testing::TTestImage;

class RegistryTest : public ::testing::Test {
 protected:
  // The editor class the registry picks for the named property of component.
  TPropertyEditorClass Lookup(const TComponent& component, const char* property) {
    return registry.Find(component, *component.FindProperty(property));
  }

  TPropertyEditorRegistry registry;
  TTestImage image;
  TTestButton button;
  TFancyButton fancy;
  TPropertyEditorClass A = PropertyEditorClassOf<TEditorA>();
  TPropertyEditorClass B = PropertyEditorClassOf<TEditorB>();
  TPropertyEditorClass C = PropertyEditorClassOf<TEditorC>();
};

TEST_F(RegistryTest, PropertyTypeMatchesItsClassAndDerivedClasses) {
  registry.Register(ClassOf<TGraphic>(), nullptr, "", A);
  EXPECT_EQ(Lookup(button, "Glyph"), A);  // a TBitmap is a TGraphic
  EXPECT_EQ(Lookup(image, "Picture"), nullptr);

  registry.Register(ClassOf<TJPEGImage>(), nullptr, "", B);
  EXPECT_EQ(Lookup(button, "Glyph"), A);  // a TBitmap is no TJPEGImage
}

TEST_F(RegistryTest, ComponentClassMatchesDerivedComponentsAndNilMatchesAny) {
  registry.Register(ClassOf<TBitmap>(), ClassOf<TTestButton>(), "", A);
  EXPECT_EQ(Lookup(fancy, "Glyph"), A);

  registry.Register(ClassOf<TBitmap>(), ClassOf<TFancyButton>(), "", B);
  EXPECT_EQ(Lookup(fancy, "Glyph"), B);
  EXPECT_EQ(Lookup(button, "Glyph"), A);

  registry.Register(ClassOf<TPicture>(), ClassOf<TTestButton>(), "", A);
  EXPECT_EQ(Lookup(image, "Picture"), nullptr);
  registry.Register(ClassOf<TPicture>(), nullptr, "", C);
  EXPECT_EQ(Lookup(image, "Picture"), C);
}

TEST_F(RegistryTest, PropertyNameMatchesWithoutCaseAndEmptyMatchesAny) {
  registry.Register(ClassOf<TBitmap>(), nullptr, "GLYPH", A);
  EXPECT_EQ(Lookup(button, "Glyph"), A);
  registry.Register(ClassOf<TBitmap>(), nullptr, "Glyphs", B);
  EXPECT_EQ(Lookup(button, "Glyph"), A);
  registry.Register(ClassOf<TBitmap>(), nullptr, "", C);
  EXPECT_EQ(Lookup(button, "Glyph"), C);
}

TEST_F(RegistryTest, TheLaterOfTwoMatchingRegistrationsWinsWhateverItsScope) {
  registry.Register(ClassOf<TBitmap>(), ClassOf<TFancyButton>(), "Glyph", A);
  registry.Register(ClassOf<TObject>(), nullptr, "", B);
  EXPECT_EQ(Lookup(fancy, "Glyph"), B);
  EXPECT_EQ(Lookup(image, "Picture"), B);
  registry.Register(ClassOf<TBitmap>(), ClassOf<TFancyButton>(), "Glyph", C);
  EXPECT_EQ(Lookup(fancy, "Glyph"), C);
  EXPECT_EQ(Lookup(button, "Glyph"), B);
}

TEST_F(RegistryTest, UnregisteringAModuleRestoresTheEarlierChoice) {
  int host = 0;
  int plugin = 0;
  registry.Register(ClassOf<TBitmap>(), nullptr, "", A, &host);
  registry.Register(ClassOf<TBitmap>(), nullptr, "", B, &plugin);
  registry.Register(ClassOf<TPicture>(), nullptr, "", C, &plugin);
  EXPECT_EQ(Lookup(button, "Glyph"), B);

  registry.UnregisterModule(&plugin);
  EXPECT_EQ(registry.Count(), 1u);
  EXPECT_EQ(Lookup(button, "Glyph"), A);
  EXPECT_EQ(Lookup(image, "Picture"), nullptr);
}

TEST_F(RegistryTest, ARegistrationNeedsAPropertyTypeAndAnEditor) {
  EXPECT_THROW(registry.Register(nullptr, nullptr, "", A), EPropertyError);
  EXPECT_THROW(registry.Register(ClassOf<TBitmap>(), nullptr, "", nullptr), EPropertyError);
  EXPECT_EQ(registry.Count(), 0u);
}

TEST_F(RegistryTest, CreateEditorSetsTheEditorOnTheProperty) {
  TDesigner designer;
  EXPECT_EQ(registry.CreateEditor(designer, button, *button.FindProperty("Glyph")), nullptr);

  registry.Register(ClassOf<TBitmap>(), nullptr, "", B);
  auto editor = registry.CreateEditor(designer, fancy, *fancy.FindProperty("glyph"));
  ASSERT_NE(editor, nullptr);
  EXPECT_NE(dynamic_cast<TEditorB*>(editor.get()), nullptr);
  EXPECT_EQ(editor->GetName(), "Glyph");
  EXPECT_EQ(editor->GetComponent(), &fancy);
  EXPECT_EQ(editor->GetOrdValue(), fancy.Glyph());
}

TEST(HostRegistry, CreatePropertyEditorRefusesAnUnknownProperty) {
  TDesigner designer;
  TTestImage image;
  EXPECT_THROW(CreatePropertyEditor(designer, image, "Glyph"), EPropertyError);
}

TEST(HostRegistry, RegistrationsTakeTheTagOfTheScope) {
  int package = 0;
  const std::size_t before = PropertyEditorRegistry().Count();
  {
    TRegistrationScope scope(&package);
    RegisterPropertyEditor(ClassOf<TBitmap>(), ClassOf<TFancyButton>(), "Glyph",
                           PropertyEditorClassOf<TEditorC>());
  }
  TDesigner designer;
  TFancyButton fancy;
  auto editor = CreatePropertyEditor(designer, fancy, "Glyph");
  EXPECT_NE(dynamic_cast<TEditorC*>(editor.get()), nullptr);

  PropertyEditorRegistry().UnregisterModule(&package);
  EXPECT_EQ(PropertyEditorRegistry().Count(), before);
}

}  // namespace
}  // namespace pictor
