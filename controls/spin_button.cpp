#include "controls/spin_button.h"

#include <algorithm>

#include "host/toolkit/focus.h"

namespace pictor {

namespace {
constexpr int kMinWidth = 15;
constexpr const char* kUpGlyph = ":/glyphs/KSpinUp.bmp";
constexpr const char* kDownGlyph = ":/glyphs/KSpinDown.bmp";
}  // namespace

TKSpinButton::TKSpinButton(QWidget* parent) : TWinControl(parent) {
  FUpButton = CreateButton();
  FDownButton = CreateButton();
  SetUpGlyph(nullptr);
  SetDownGlyph(nullptr);
  SetTabStop(false);
  SetBounds(Left(), Top(), 20, 25);
  FFocusedButton = FUpButton;
}

TKSpinButton::~TKSpinButton() = default;

TKTimerSpeedButton* TKSpinButton::CreateButton() {
  auto* button = new TKTimerSpeedButton(this);
  button->OnClick = [this](TObject* Sender) { BtnClick(Sender); };
  button->OnMouseDown = [this](TObject* Sender, TMouseButton Button, TShiftState, int, int) {
    BtnMouseDown(Sender, Button);
  };
  button->SetVisible(true);
  button->SetEnabled(true);
  button->SetTimeBtnState({tbAllowTimer});
  return button;
}

void TKSpinButton::AdjustSize(int& W, int& H) {
  if (!FUpButton || !FDownButton) return;
  W = std::max(W, kMinWidth);
  FUpButton->SetBounds(0, 0, W, H / 2);
  // The two buttons share one pixel row.
  FDownButton->SetBounds(0, FUpButton->Height() - 1, W, H - FUpButton->Height() + 1);
}

void TKSpinButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AdjustSize(AWidth, AHeight);
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TKSpinButton::Resize() {
  int w = Width(), h = Height();
  AdjustSize(w, h);
  if (w != Width() || h != Height()) TWinControl::SetBounds(Left(), Top(), w, h);
}

void TKSpinButton::ShowFocusRect(bool value) {
  TTimeBtnState state = FFocusedButton->TimeBtnState();
  if (value)
    state.Include(tbFocusRect);
  else
    state.Exclude(tbFocusRect);
  FFocusedButton->SetTimeBtnState(state);
  FFocusedButton->Invalidate();
}

void TKSpinButton::DoEnter() {
  ShowFocusRect(true);
  TWinControl::DoEnter();
}

void TKSpinButton::DoExit() {
  ShowFocusRect(false);
  TWinControl::DoExit();
}

void TKSpinButton::KeyDown(Word& Key, TShiftState) {
  switch (Key) {
    case VK_SPACE:
      FFocusedButton->Click();
      break;
    case VK_UP:
      SetFocusBtn(FUpButton);
      FUpButton->Click();
      break;
    case VK_DOWN:
      SetFocusBtn(FDownButton);
      FDownButton->Click();
      break;
    default:
      return;
  }
  // Space and the arrows are this control's; they go no further.
  Key = 0;
}

void TKSpinButton::BtnMouseDown(TObject* Sender, TMouseButton Button) {
  if (Button != mbLeft) return;
  SetFocusBtn(static_cast<TKTimerSpeedButton*>(Sender));
  TControl* focus = FocusControl();
  if (focus && pictor::TabStop(*focus) && CanFocus(*focus) && !focus->Focused())
    focus->SetFocus();
  else if (TabStop() && !Focused() && CanFocus(*this))
    SetFocus();
}

void TKSpinButton::BtnClick(TObject* Sender) {
  if (Sender == FUpButton) {
    if (OnUpClick) OnUpClick(this);
  } else if (Sender == FDownButton) {
    if (OnDownClick) OnDownClick(this);
  }
}

void TKSpinButton::SetFocusBtn(TKTimerSpeedButton* Btn) {
  if (!TabStop() || !CanFocus(*this) || Btn == FFocusedButton) return;
  ShowFocusRect(false);
  FFocusedButton = Btn;
  if (Focused()) ShowFocusRect(true);
}

void TKSpinButton::SetGlyphOf(TKTimerSpeedButton* button, const TBitmap* value,
                              const char* standard) {
  if (value) {
    button->SetGlyph(*value);
    return;
  }
  button->LoadGlyph(standard);
  button->SetNumGlyphs(1);
  button->Invalidate();
}

void TKSpinButton::SetUpGlyph(const TBitmap* value) { SetGlyphOf(FUpButton, value, kUpGlyph); }
void TKSpinButton::SetDownGlyph(const TBitmap* value) {
  SetGlyphOf(FDownButton, value, kDownGlyph);
}

bool TKSpinButton::TabStop() const { return pictor::TabStop(*this); }
void TKSpinButton::SetTabStop(bool value) { pictor::SetTabStop(*this, value); }

TControl* TKSpinButton::FocusControl() const { return FFocusControl.get(); }
void TKSpinButton::SetFocusControl(TControl* value) { FFocusControl = TControlRef(value); }

}  // namespace pictor
