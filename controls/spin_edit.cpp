#include "controls/spin_edit.h"

#include <algorithm>
#include <charconv>

#include "host/toolkit/locale.h"
#include "host/toolkit/pointer.h"
#include "host/toolkit/text_height.h"
#include "host/toolkit/vet_input.h"

namespace pictor {

namespace {

constexpr int kBorderHeight = 1;  // a thin window border
constexpr int kFrame = 2;         // the field's sunken frame
constexpr int kEnter = 13;
constexpr int kBackspace = 8;

// The whole text as a decimal number with an optional sign; `fallback` when
// it is anything else or out of range.
int StrToIntDef(const std::string& text, int fallback) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  if (first == last || *first == '+') return fallback;
  int value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return fallback;
  return value;
}

}  // namespace

TKSpinEdit::TKSpinEdit(QWidget* parent) : TCustomEdit(parent) {
  FButton = new TKSpinButton(this);
  FButton->SetBounds(0, 0, 15, 17);
  FButton->SetVisible(true);
  FButton->SetFocusControl(this);
  FButton->OnUpClick = [this](TObject* Sender) { UpClick(Sender); };
  FButton->OnDownClick = [this](TObject* Sender) { DownClick(Sender); };
  VetAllInput(*this);
  SetText("0");
}

// The button is a child of the field and goes with it.
TKSpinEdit::~TKSpinEdit() { FButton = nullptr; }

void TKSpinEdit::SetEditorEnabled(bool value) {
  FEditorEnabled = value;
  UpdateEditable();
}

void TKSpinEdit::SetReadOnly(bool value) {
  FReadOnly = value;
  UpdateEditable();
}

void TKSpinEdit::UpdateEditable() { TCustomEdit::SetReadOnly(FReadOnly || !FEditorEnabled); }

int TKSpinEdit::GetValue() const {
  try {
    const std::string text = Text();
    if (text.empty()) return FMinValue;
    return StrToIntDef(text, FMinValue);
  } catch (...) {
    return FMinValue;
  }
}

void TKSpinEdit::SetValue(int NewValue) { SetText(std::to_string(CheckValue(NewValue))); }

int TKSpinEdit::CheckValue(int NewValue) const {
  if (FMinValue == FMaxValue) return NewValue;
  return std::clamp(NewValue, std::min(FMinValue, FMaxValue), std::max(FMinValue, FMaxValue));
}

bool TKSpinEdit::IsValidChar(char Key) const {
  const auto key = static_cast<unsigned char>(Key);
  bool valid = key == '+' || key == '-' || (key >= '0' && key <= '9') ||
               Key == DecimalSeparator() || (key < 32 && key != kEnter);
  if (!FEditorEnabled && (key >= 32 || key == kBackspace)) valid = false;
  return valid;
}

void TKSpinEdit::UpClick(TObject*) {
  if (ReadOnly()) {
    MessageBeep(0);
    return;
  }
  const long long next = static_cast<long long>(Value()) + FIncrement;
  SetValue(next > FMaxValue ? FMaxValue : static_cast<int>(next));
}

void TKSpinEdit::DownClick(TObject*) {
  if (ReadOnly()) {
    MessageBeep(0);
    return;
  }
  const long long next = static_cast<long long>(Value()) - FIncrement;
  SetValue(next < FMinValue ? FMinValue : static_cast<int>(next));
}

void TKSpinEdit::KeyDown(Word& Key, TShiftState Shift) {
  if (Key == VK_UP)
    UpClick(this);
  else if (Key == VK_DOWN)
    DownClick(this);
  TCustomEdit::KeyDown(Key, Shift);
}

void TKSpinEdit::KeyPress(char& Key) {
  if (!IsValidChar(Key)) {
    Key = 0;
    MessageBeep(0);
  }
  if (Key != 0) TCustomEdit::KeyPress(Key);
}

void TKSpinEdit::DoExit() {
  TCustomEdit::DoExit();
  const int value = Value();
  if (CheckValue(value) != value) SetValue(value);
}

void TKSpinEdit::PasteFromClipboard() {
  if (FEditorEnabled && !ReadOnly()) TCustomEdit::PasteFromClipboard();
}

void TKSpinEdit::CutToClipboard() {
  if (FEditorEnabled && !ReadOnly()) TCustomEdit::CutToClipboard();
}

int TKSpinEdit::GetMinHeight() const {
  const int screen = DefaultTextHeight();
  const int own = TextHeight(*this);
  return own + std::min(screen, own) / 4 + 4 * kBorderHeight + 2;
}

void TKSpinEdit::Resize() {
  TCustomEdit::Resize();
  if (Height() < GetMinHeight()) SetHeight(GetMinHeight());
  if (!FButton) return;
  const int w = FButton->Width();
  FButton->SetBounds(Width() - w - kFrame - 1, kFrame, w, Height() - 2 * kFrame - 1);
  SetEditRect();
}

void TKSpinEdit::SetEditRect() {
  TCustomEdit::SetEditRect(TRect{0, 0, ClientWidth() - FButton->Width() - 2, ClientHeight() + 1});
}

}  // namespace pictor
