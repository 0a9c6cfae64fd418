#include "tests/support/qt_application.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "host/toolkit/application.h"

namespace pictor::testing {
namespace {

class ApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { Ensure(); }
  void TearDown() override { app_.reset(); }
  void Ensure() {
    if (Application) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    app_ = std::make_unique<TApplication>(argc_, argv_);
  }

 private:
  int argc_ = 1;
  char name_[12] = "pictor_test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<TApplication> app_;
};

ApplicationEnvironment* const environment = static_cast<ApplicationEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment));

}  // namespace

void EnsureApplication() { environment->Ensure(); }

void Pump() {
  if (Application) Application->ProcessMessages();
}

}  // namespace pictor::testing
