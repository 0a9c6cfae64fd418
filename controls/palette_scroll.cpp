// Scrolling the strip: a step of one column, a page with Shift, to either end
// with Ctrl (the keys held at the press on the button). Holding a button
// repeats its step 500 ms after the press and then every 100 ms; the click
// at the release adds one more.
#include <algorithm>

#include "controls/palette.h"

namespace pictor {

int TKPalette::PageSize() const {
  const int room = ClientWidth() - FLeftButton->Width() - FRightButton->Width();
  return std::max(room / kCellSize, 0) * FRows;
}

void TKPalette::btLeftClick(TObject*) {
  if (FFirst > 0) {
    if (ScrollShift.Contains(ssCtrl))
      FFirst = 0;
    else if (ScrollShift.Contains(ssShift))
      FFirst = std::max(FFirst - PageSize(), 0);
    else
      FFirst = std::max(FFirst - FRows, 0);
    Repaint();
  }
  UpdateButtons();
}

void TKPalette::btRightClick(TObject*) {
  const int last = FCount - PageSize();
  if (FFirst < last) {
    if (ScrollShift.Contains(ssCtrl))
      FFirst = last;
    else if (ScrollShift.Contains(ssShift))
      FFirst = std::min(FFirst + PageSize(), last);
    else
      FFirst += FRows;
    Repaint();
  }
  UpdateButtons();
}

void TKPalette::UpdateButtons() {
  FLeftButton->SetEnabled(FFirst > 0);
  FRightButton->SetEnabled(TailExits());
  // A disabled button never reports its release: its repeat ends here.
  if (FRepeatButton && !(FRepeatButton->Enabled() && FRepeatButton->Visible())) StopRepeat();
}

void TKPalette::StopRepeat() {
  FTimer->SetEnabled(false);
  FRepeatAction = nullptr;
  FRepeatButton = nullptr;
}

void TKPalette::btMouseDown(TObject* Sender, TMouseButton, TShiftState Shift, int, int) {
  ScrollShift = Shift;
  const bool left = Sender == static_cast<TObject*>(FLeftButton.get());
  FRepeatButton = left ? FLeftButton.get() : FRightButton.get();
  FRepeatAction = [this, left](TObject* S) { left ? btLeftClick(S) : btRightClick(S); };
  FTimer->SetInterval(500);
  FTimer->SetEnabled(true);
}

void TKPalette::btMouseUp(TObject*, TMouseButton, TShiftState, int, int) {
  StopRepeat();
  Repaint();
}

void TKPalette::TimerTimer(TObject*) {
  FTimer->SetInterval(100);
  if (FRepeatAction) {
    // The step may end the repeat; it runs on a copy.
    const TNotifyEvent action = FRepeatAction;
    action(this);
    Repaint();
  }
}

}  // namespace pictor
