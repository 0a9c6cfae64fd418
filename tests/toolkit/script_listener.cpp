// Every toolkit test starts without leftover scripts and with message
// capture on.
#include <gtest/gtest.h>

#include "host/toolkit/test_hooks.h"

namespace {

class ScriptListener : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    pictor::test_hooks::ClearScripts();
    pictor::test_hooks::CaptureMessages(true);
    pictor::test_hooks::TakeMessages();
  }
};

const bool registered = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new ScriptListener);
  return true;
}();

}  // namespace
