#include "controls/timer_speed_button.h"

#include "host/toolkit/pointer.h"

namespace pictor {

namespace {
constexpr int kFirstDelay = 400;    // ms from the press to the first repeat
constexpr int kRepeatDelay = 100;   // ms between repeats
constexpr int kFocusInset = 3;      // focus rectangle inside the button's edge
}  // namespace

TKTimerSpeedButton::TKTimerSpeedButton(QWidget* parent) : TSpeedButton(parent) {}

TKTimerSpeedButton::~TKTimerSpeedButton() {
  if (FRepeatTimer) FRepeatTimer->SetOnTimer(nullptr);
}

void TKTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSpeedButton::MouseDown(Button, Shift, X, Y);
  if (!FTimeBtnState.Contains(tbAllowTimer)) return;
  if (!FRepeatTimer) FRepeatTimer = new TTimer(this);
  FRepeatTimer->SetEnabled(false);
  FRepeatTimer->SetInterval(kFirstDelay);
  FRepeatTimer->SetOnTimer([this](TObject* Sender) { TimerExpired(Sender); });
  FRepeatTimer->SetEnabled(true);
}

void TKTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSpeedButton::MouseUp(Button, Shift, X, Y);
  if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
}

void TKTimerSpeedButton::TimerExpired(TObject*) {
  FRepeatTimer->SetInterval(kRepeatDelay);
  // Only while the pointer holds this button pressed: moved off, it pauses.
  if (!Pressed() || GetCapture() != this) return;
  try {
    Click();
  } catch (...) {
    FRepeatTimer->SetEnabled(false);
    throw;
  }
}

void TKTimerSpeedButton::Paint() {
  TSpeedButton::Paint();
  if (!FTimeBtnState.Contains(tbFocusRect)) return;
  TRect r{kFocusInset, kFocusInset, Width() - kFocusInset, Height() - kFocusInset};
  if (Pressed() || Down()) r = TRect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
  DrawFocusRect(r);
}

}  // namespace pictor
