// The plug-in loaded once for the tests of this folder, and property editors
// made from its registrations as an inspector makes them.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "host/designtime/package.h"
#include "host/designtime/registry.h"

namespace pictor::testing {

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
