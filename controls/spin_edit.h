// TKSpinEdit: a one-line whole-number field with a TKSpinButton inside its
// right edge. The buttons and the Up and Down keys step Value by Increment
// within MinValue .. MaxValue; only digits, signs, the locale's decimal
// separator and control keys can be typed (others are refused with a beep).
// Typed text is brought into the limits when the field loses the focus; text
// that is no whole number reads as MinValue. With MinValue = MaxValue typed
// values have no limits. With EditorEnabled false the text cannot be edited
// at all (typed, deleted, pasted or cut), yet the buttons and keys still step.
#pragma once

#include <string>

#include "controls/spin_button.h"
#include "host/toolkit/custom_edit.h"

namespace pictor {

class TKSpinEdit : public TCustomEdit {
 public:
  explicit TKSpinEdit(QWidget* parent = nullptr);
  ~TKSpinEdit() override;
  const char* ClassName() const override { return "TKSpinEdit"; }

  int MinValue() const { return FMinValue; }
  void SetMinValue(int value) { FMinValue = value; }
  void setMinValue(int value) { SetMinValue(value); }
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int value) { FMaxValue = value; }
  void setMaxValue(int value) { SetMaxValue(value); }
  int Increment() const { return FIncrement; }
  void SetIncrement(int value) { FIncrement = value; }
  void setIncrement(int value) { SetIncrement(value); }
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool value);
  void setEditorEnabled(bool value) { SetEditorEnabled(value); }
  // The field's own read-only state (a step then only beeps); the text is
  // also locked while EditorEnabled is false. Hides TCustomEdit's.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);

  // The text as a whole number: MinValue when it is empty or no number.
  int Value() const { return GetValue(); }
  int GetValue() const;
  // Shows the value, brought into the limits first.
  void SetValue(int NewValue);
  void setValue(int NewValue) { SetValue(NewValue); }

  // The smallest height that shows the text in the field's font.
  int GetMinHeight() const;
  TKSpinButton* Button() const { return FButton; }

  virtual bool IsValidChar(char Key) const;
  virtual void UpClick(TObject* Sender);
  virtual void DownClick(TObject* Sender);

  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  // Leaving the field brings its value into the limits.
  void DoExit() override;
  void PasteFromClipboard() override;
  void CutToClipboard() override;
  // The size of the window changed: keeps the minimum height and the button
  // inside the right edge, and the text clear of it.
  void Resize() override;

 private:
  // Keeps the text left of the button.
  void SetEditRect();
  int CheckValue(int NewValue) const;
  void UpdateEditable();

  int FMinValue = 0;
  int FMaxValue = 0;
  int FIncrement = 1;
  TKSpinButton* FButton = nullptr;  // a child of the field, which frees it
  bool FEditorEnabled = true;
  bool FReadOnly = false;
};

}  // namespace pictor
