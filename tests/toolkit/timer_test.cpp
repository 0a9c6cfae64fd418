// Timers fire on the user-interface thread while enabled.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <stdexcept>

#include "host/toolkit/test_hooks.h"
#include "host/toolkit/timer.h"
#include "tests/support/qt_application.h"

namespace pictor {
namespace {

TEST(TimerTest, FiresEveryIntervalWhileEnabled) {
  TTimer timer;
  timer.SetInterval(20);
  int ticks = 0;
  timer.SetOnTimer([&](TObject* sender) {
    EXPECT_EQ(sender, &timer);
    ++ticks;
  });
  QTest::qWait(150);
  EXPECT_GE(ticks, 3);
  timer.SetEnabled(false);
  const int stopped = ticks;
  QTest::qWait(80);
  EXPECT_EQ(ticks, stopped);
}

TEST(TimerTest, ANewIntervalTakesEffect) {
  TTimer timer;
  timer.SetInterval(1000);
  int ticks = 0;
  timer.SetOnTimer([&](TObject*) { ++ticks; });
  QTest::qWait(60);
  EXPECT_EQ(ticks, 0);
  timer.SetInterval(10);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 1000));
}

TEST(TimerTest, AnExceptionOfOnTimerIsShownAndTheTimerGoesOn) {
  TTimer timer;
  timer.SetInterval(10);
  int ticks = 0;
  timer.SetOnTimer([&](TObject*) {
    ++ticks;
    if (ticks == 1) throw std::runtime_error("tick failed");
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 1000));
  timer.SetEnabled(false);
  const auto messages = test_hooks::TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Text, "tick failed");
}

}  // namespace
}  // namespace pictor
