#include "host/designtime/package.h"

#include <gtest/gtest.h>

#include "host/designtime/registry.h"
#include "test_components.h"

namespace pictor {
namespace {

using testing::TFancyButton;
using testing::TTestImage;

// The name of the editor the host's registry picks for the property, or "".
std::string EditorFor(const TComponent& component, const char* property) {
  TPropertyEditorClass editor =
      PropertyEditorRegistry().Find(component, *component.FindProperty(property));
  return editor ? editor->Name : "";
}

TEST(Package, LoadingCallsTheUnitsRegisterInOrderAndUnloadingRemovesTheirEditors) {
  TFancyButton button;
  TTestImage image;
  const std::size_t before = PropertyEditorRegistry().Count();
  {
    auto package = TPackage::Load(TEST_PACKAGE_GOOD);
    EXPECT_EQ(package->Description(), "Test package\nThe Pictor project");
    EXPECT_EQ(package->Units(), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(package->RegisteredUnits(), (std::vector<std::string>{"Alpha", "Gamma"}));
    EXPECT_EQ(EditorFor(button, "Glyph"), "TEditorA");
    EXPECT_EQ(EditorFor(image, "Picture"), "TEditorB");

    // An editor made by the package works on the host's component.
    TDesigner designer;
    auto editor = CreatePropertyEditor(designer, image, "Picture");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->GetOrdValue(), image.Picture());
  }
  EXPECT_EQ(PropertyEditorRegistry().Count(), before);
  EXPECT_EQ(EditorFor(image, "Picture"), "");
}

TEST(Package, AFailingRegisterLeavesNoRegistrationBehind) {
  const std::size_t before = PropertyEditorRegistry().Count();
  try {
    TPackage::Load(TEST_PACKAGE_FAILING);
    FAIL() << "the load should fail";
  } catch (const EPackageError& e) {
    EXPECT_NE(std::string(e.what()).find("Gamma"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("gamma broke"), std::string::npos) << e.what();
  }
  EXPECT_EQ(PropertyEditorRegistry().Count(), before);
}

TEST(Package, LibrariesThatAreNoPackagesOfThisHostAreRefused) {
  const std::size_t before = PropertyEditorRegistry().Count();
  EXPECT_THROW(TPackage::Load(TEST_PACKAGE_OLD), EPackageError);
  EXPECT_THROW(TPackage::Load(TEST_PACKAGE_NOINFO), EPackageError);
  EXPECT_THROW(TPackage::Load("/nonexistent/package.so"), EPackageError);
  EXPECT_EQ(PropertyEditorRegistry().Count(), before);
}

}  // namespace
}  // namespace pictor
