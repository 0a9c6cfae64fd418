// The application the controls' tests run in, headless; made once for the
// whole test program, unless one exists already.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "host/toolkit/application.h"

namespace pictor {
namespace {

class ControlsEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (Application) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    app_ = std::make_unique<TApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[14] = "test_controls";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<TApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ControlsEnvironment);

}  // namespace
}  // namespace pictor
