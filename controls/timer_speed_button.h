// TKTimerSpeedButton: a speed button that repeats its click while it is held
// down: 400 ms after the press and then every 100 ms, as long as the pointer
// stays on the pressed button, besides the ordinary click at the release.
// It can also draw a focus rectangle, for the control it belongs to.
#pragma once

#include "host/graphics/set.h"
#include "host/toolkit/speed_button.h"
#include "host/toolkit/timer.h"

namespace pictor {

enum class TTimeBtnFlag { tbFocusRect, tbAllowTimer };
inline constexpr TTimeBtnFlag tbFocusRect = TTimeBtnFlag::tbFocusRect;
inline constexpr TTimeBtnFlag tbAllowTimer = TTimeBtnFlag::tbAllowTimer;
using TTimeBtnState = TSet<TTimeBtnFlag>;

class TKTimerSpeedButton : public TSpeedButton {
 public:
  explicit TKTimerSpeedButton(QWidget* parent = nullptr);
  ~TKTimerSpeedButton() override;
  const char* ClassName() const override { return "TKTimerSpeedButton"; }

  // tbFocusRect: draw a focus rectangle; tbAllowTimer: repeat while held.
  TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
  void SetTimeBtnState(TTimeBtnState value) { FTimeBtnState = value; }

  // The repeat timer: none before the first press that needs it.
  TTimer* RepeatTimer() const { return FRepeatTimer; }

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 protected:
  void Paint() override;

 private:
  void TimerExpired(TObject* Sender);

  TTimer* FRepeatTimer = nullptr;  // a child of the button, which frees it
  TTimeBtnState FTimeBtnState;
};

}  // namespace pictor
