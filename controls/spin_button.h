// TKSpinButton: a pair of up and down buttons stacked in one control, which
// repeat while held (TKTimerSpeedButton) and report OnUpClick and
// OnDownClick. The two buttons overlap by one pixel; the control is never
// narrower than 15 pixels. With TabStop it takes the focus itself: one of the
// buttons then shows a focus rectangle and answers Space, and the arrow keys
// click the button they point at. A press on a button focuses FocusControl
// (the field the buttons belong to) when that can take the focus.
#pragma once

#include "controls/timer_speed_button.h"
#include "host/toolkit/control_ref.h"
#include "host/toolkit/win_control.h"

namespace pictor {

class TKSpinButton : public TWinControl {
 public:
  explicit TKSpinButton(QWidget* parent = nullptr);
  ~TKSpinButton() override;
  const char* ClassName() const override { return "TKSpinButton"; }

  // The glyphs of the two buttons; setting nullptr shows the standard arrow
  // (the resources "KSpinUp" and "KSpinDown") as a single picture.
  const TBitmap& UpGlyph() const { return FUpButton->Glyph(); }
  void SetUpGlyph(const TBitmap* value);
  const TBitmap& DownGlyph() const { return FDownButton->Glyph(); }
  void SetDownGlyph(const TBitmap* value);
  int UpNumGlyphs() const { return FUpButton->NumGlyphs(); }
  void SetUpNumGlyphs(int value) { FUpButton->SetNumGlyphs(value); }
  int DownNumGlyphs() const { return FDownButton->NumGlyphs(); }
  void SetDownNumGlyphs(int value) { FDownButton->SetNumGlyphs(value); }

  // Whether the control takes the focus by Tab and by a press (default false).
  bool TabStop() const;
  void SetTabStop(bool value);

  // Becomes nullptr by itself when that control is destroyed.
  TControl* FocusControl() const;
  void SetFocusControl(TControl* value);

  TKTimerSpeedButton* UpButton() const { return FUpButton; }
  TKTimerSpeedButton* DownButton() const { return FDownButton; }
  // The button that shows the focus rectangle and answers Space.
  TKTimerSpeedButton* FocusedButton() const { return FFocusedButton; }

  // Brings the size to what the control allows first (hides TControl's).
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);

  void KeyDown(Word& Key, TShiftState Shift) override;
  // The size of the window changed: the buttons follow.
  void Resize() override;
  // The control took or lost the keyboard focus: the focused button shows it.
  void DoEnter() override;
  void DoExit() override;

  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

 private:
  TKTimerSpeedButton* CreateButton();
  // Makes W at least 15 and places the buttons in W x H.
  void AdjustSize(int& W, int& H);
  void BtnMouseDown(TObject* Sender, TMouseButton Button);
  void BtnClick(TObject* Sender);
  void SetFocusBtn(TKTimerSpeedButton* Btn);
  void ShowFocusRect(bool value);
  // Shows `value`, or the standard picture of that name when it is nullptr.
  static void SetGlyphOf(TKTimerSpeedButton* button, const TBitmap* value, const char* standard);

  TKTimerSpeedButton* FUpButton = nullptr;
  TKTimerSpeedButton* FDownButton = nullptr;
  TKTimerSpeedButton* FFocusedButton = nullptr;
  TControlRef FFocusControl;
};

}  // namespace pictor
