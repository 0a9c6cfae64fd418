#include <gtest/gtest.h>

#include "host/designtime/package.h"
#include "host/designtime/registry.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/picture.h"
#include "tests/designtime/test_components.h"

namespace pictor {
namespace {

TEST(PluginRegistration, DescriptionUnitsAndExactlyTheThreeRegistrationsInOrder) {
  const std::size_t before = PropertyEditorRegistry().Count();
  {
    auto package = TPackage::Load(PICTOR_PLUGIN_PATH);
    EXPECT_EQ(package->Description(),
              "Pictor - picture property editor with internal image editor.\nThe Pictor project");
    EXPECT_EQ(package->Units(), (std::vector<std::string>{"Pictor", "PictorReg", "ImAttr", "KTools",
                                                          "KSpin", "About", "PictorPkg"}));
    // KSpin's Register runs too; it registers nothing.
    EXPECT_EQ(package->RegisteredUnits(), (std::vector<std::string>{"PictorReg", "KSpin"}));

    const auto& all = PropertyEditorRegistry().Registrations();
    ASSERT_EQ(all.size(), before + 3);
    struct Expected {
      TClass type;
      TClass component;
    };
    const Expected expected[] = {{ClassOf<TBitmap>(), ClassOf<TObject>()},
                                 {ClassOf<TPicture>(), ClassOf<TObject>()},
                                 {ClassOf<TPicture>(), nullptr}};
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(i);
      const TPropertyEditorRegistration& r = all[before + i];
      EXPECT_TRUE(r.PropertyType->SameAs(*expected[i].type));
      if (expected[i].component)
        ASSERT_TRUE(r.ComponentClass && r.ComponentClass->SameAs(*expected[i].component));
      else
        EXPECT_EQ(r.ComponentClass, nullptr);
      EXPECT_EQ(r.PropertyName, "");
      EXPECT_EQ(r.EditorClass->Name, "TPictureProperty");
    }
  }
  EXPECT_EQ(PropertyEditorRegistry().Count(), before);
}

TEST(PluginRegistration, TheHostFindsTheEditorForPictureAndBitmapPropertiesOfAnyComponent) {
  auto package = TPackage::Load(PICTOR_PLUGIN_PATH);
  testing::TTestImage image;
  testing::TFancyButton button;
  TDesigner designer;
  auto pictureEditor = CreatePropertyEditor(designer, image, "Picture");
  auto bitmapEditor = CreatePropertyEditor(designer, button, "Glyph");
  ASSERT_NE(pictureEditor, nullptr);
  ASSERT_NE(bitmapEditor, nullptr);
  EXPECT_EQ(pictureEditor->GetAttributes(), TPropertyAttributes{paDialog});
  EXPECT_EQ(bitmapEditor->GetAttributes(), TPropertyAttributes{paDialog});
}

}  // namespace
}  // namespace pictor
