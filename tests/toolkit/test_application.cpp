// The application every toolkit test runs in: headless unless the
// environment names another platform.
#include <gtest/gtest.h>

#include <memory>

#include "host/toolkit/application.h"
#include "host/toolkit/test_hooks.h"

namespace {

class ApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_toolkit";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<pictor::TApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<pictor::TApplication> app_;
};

// Every test starts without leftover scripts and with message capture on.
class ScriptListener : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    pictor::test_hooks::ClearScripts();
    pictor::test_hooks::CaptureMessages(true);
    pictor::test_hooks::TakeMessages();
  }
};

const bool registered = [] {
  ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);
  ::testing::UnitTest::GetInstance()->listeners().Append(new ScriptListener);
  return true;
}();

}  // namespace
