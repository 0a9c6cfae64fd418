// The plug-in loaded once for the tests of this folder, and property editors
// made from its registrations as an inspector makes them.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "host/designtime/package.h"
#include "host/designtime/registry.h"
#include "host/graphics/picture.h"

namespace pictor::testing {

// A component whose picture property may hold no object at all.
class TNilPicture : public TComponent {
 public:
  TNilPicture() { DefineProperty("Picture", &TNilPicture::Picture, &TNilPicture::SetPicture); }
  TPicture* Picture() const { return picture_; }
  void SetPicture(TPicture* value) { picture_ = value; }

 private:
  TPicture* picture_ = nullptr;
};

class PluginTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { package = TPackage::Load(PICTOR_PLUGIN_PATH).release(); }
  static void TearDownTestSuite() {
    delete package;
    package = nullptr;
  }

  // The editor the host's registry gives for the property of component.
  std::unique_ptr<TPropertyEditor> EditorFor(TComponent& component, const char* property) {
    auto editor = CreatePropertyEditor(designer, component, property);
    EXPECT_NE(editor, nullptr) << "no editor for " << property;
    return editor;
  }

  static inline TPackage* package = nullptr;
  TDesigner designer;
};

}  // namespace pictor::testing
