// Tests that run windows: one application for the whole test program,
// on the offscreen platform unless another is asked for.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "host/toolkit/application.h"

namespace pictor {
namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    app_ = std::make_unique<TApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[12] = "pictor_test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<TApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
}  // namespace pictor
