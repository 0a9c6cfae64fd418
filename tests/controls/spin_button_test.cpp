// The spin button and its repeating buttons: the repeat timing (the test
// fires the repeat timer itself in place of the clock), keys and focus, size.
#include <gtest/gtest.h>

#include <stdexcept>

#include <QMouseEvent>
#include <QTest>

#include "controls/spin_button.h"
#include "host/toolkit/form.h"

namespace pictor {
namespace {

struct Spin {
  TForm form;
  TKSpinButton* spin = new TKSpinButton(&form);
  int ups = 0;
  int downs = 0;
  Spin() {
    form.resize(100, 60);
    spin->SetBounds(10, 10, 20, 40);
    spin->OnUpClick = [this](TObject* sender) {
      EXPECT_EQ(sender, spin);
      ++ups;
    };
    spin->OnDownClick = [this](TObject*) { ++downs; };
    form.show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
  }
};

// Moves the pointer over the button while the left button stays held.
void DragTo(TKTimerSpeedButton* button, QPoint p) {
  QMouseEvent move(QEvent::MouseMove, p, button->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(button, &move);
}

void Tick(TTimer* timer) { timer->OnTimer(timer); }

TEST(SpinButton, AHeldButtonRepeatsAfter400MsThenEvery100MsWhileThePointerStaysOnIt) {
  Spin s;
  TKTimerSpeedButton* down = s.spin->DownButton();
  EXPECT_EQ(down->RepeatTimer(), nullptr);
  QTest::mousePress(down, Qt::LeftButton, {}, QPoint(5, 5));
  TTimer* timer = down->RepeatTimer();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 400);
  EXPECT_EQ(s.downs, 0);
  Tick(timer);
  EXPECT_EQ(timer->Interval(), 100);
  Tick(timer);
  EXPECT_EQ(s.downs, 2);
  DragTo(down, QPoint(50, 50));  // off the button: the steps pause
  Tick(timer);
  EXPECT_EQ(s.downs, 2);
  DragTo(down, QPoint(5, 5));
  Tick(timer);
  EXPECT_EQ(s.downs, 3);
  QTest::mouseRelease(down, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(s.downs, 4);  // the ordinary click at the release
  EXPECT_EQ(s.ups, 0);

  // A step that fails stops the repeat before the error goes on.
  s.spin->OnDownClick = [](TObject*) { throw std::runtime_error("step failed"); };
  QTest::mousePress(down, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_THROW(Tick(timer), std::runtime_error);
  EXPECT_FALSE(timer->Enabled());
  QTest::mouseRelease(down, Qt::LeftButton, {}, QPoint(50, 50));
}

TEST(SpinButton, KeysClickTheFocusedButtonWhichShowsTheFocus) {
  Spin s;
  s.spin->SetTabStop(true);
  s.spin->SetFocus();
  EXPECT_TRUE(s.spin->UpButton()->TimeBtnState().Contains(tbFocusRect));
  QTest::keyClick(s.spin, Qt::Key_Space);
  EXPECT_EQ(s.ups, 1);
  QTest::keyClick(s.spin, Qt::Key_Down);
  EXPECT_EQ(s.downs, 1);
  EXPECT_EQ(s.spin->FocusedButton(), s.spin->DownButton());
  EXPECT_FALSE(s.spin->UpButton()->TimeBtnState().Contains(tbFocusRect));
  EXPECT_TRUE(s.spin->DownButton()->TimeBtnState().Contains(tbFocusRect));
  QTest::keyClick(s.spin, Qt::Key_Space);
  EXPECT_EQ(s.downs, 2);
  QTest::keyClick(s.spin, Qt::Key_Up);
  EXPECT_EQ(s.ups, 2);
  EXPECT_EQ(s.spin->FocusedButton(), s.spin->UpButton());
  s.spin->DoExit();
  EXPECT_FALSE(s.spin->UpButton()->TimeBtnState().Contains(tbFocusRect));
}

TEST(SpinButton, IsAtLeast15WideWithTheButtonsSharingOneRow) {
  Spin s;
  s.spin->SetBounds(0, 0, 5, 31);
  EXPECT_EQ(s.spin->Width(), 15);
  s.spin->SetWidth(4);
  EXPECT_EQ(s.spin->Width(), 15);
  const TKTimerSpeedButton* up = s.spin->UpButton();
  const TKTimerSpeedButton* down = s.spin->DownButton();
  EXPECT_EQ(up->Height(), 15);
  EXPECT_EQ(down->Top(), 14);
  EXPECT_EQ(down->Top() + down->Height(), 31);
  // The standard arrows.
  EXPECT_EQ(up->Glyph().Width(), 9);
  EXPECT_EQ(down->Glyph().Width(), 9);
}

}  // namespace
}  // namespace pictor
