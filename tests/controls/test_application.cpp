// The application the control tests run in, headless unless the environment
// names another platform.
#include <gtest/gtest.h>

#include <memory>

#include "host/toolkit/application.h"

namespace {

class Application : public ::testing::Environment {
  void SetUp() override {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_controls";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<pictor::TApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }
  std::unique_ptr<pictor::TApplication> app_;
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new Application);

}  // namespace
