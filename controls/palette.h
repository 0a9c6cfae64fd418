// TKPalette: a strip of colour cells showing the entries of a palette, two
// rows high and filled column by column from the left. When the cells do not
// fit, a "<" button at the left end and a ">" button at the right end scroll
// the strip; holding a button repeats the step. The strip also answers which
// entry lies under a point, whether a colour is an entry, and which entries
// are nearest to black and to white.
//
// Form descriptions use it as a promoted panel: class pictor::TKPalette,
// extends pictor::TPanel, header controls/palette.h.
//
// The work is split by concern: palette.cpp (construction, loading the
// entries, the questions), palette_paint.cpp (the cells),
// palette_scroll.cpp (the scroll steps and their auto-repeat).
#pragma once

#include <memory>
#include <vector>

#include "host/graphics/color.h"
#include "host/graphics/handle_table.h"
#include "host/toolkit/panel.h"
#include "host/toolkit/speed_button.h"
#include "host/toolkit/timer.h"

namespace pictor {

// The shift state of the latest press on a scroll button of any palette
// strip; the scroll steps read it.
inline TShiftState ScrollShift;

class TKPalette : public TPanel {
 public:
  explicit TKPalette(QWidget* parent = nullptr);
  ~TKPalette() override;
  const char* ClassName() const override { return "TKPalette"; }

  // Shows the entries of Palette (not owned; 0 shows none). MaxCount > 0
  // shows at most that many. Every call starts again at the first entry.
  void SetColorPalette(HPALETTE Palette, int MaxCount);
  // Hit test in client pixels. Index is written also when the point lies on
  // no entry; Red, Green and Blue only when it lies on one.
  bool GetEntryAt(int X, int Y, int& Index, int& Red, int& Green, int& Blue) const;
  bool ColorExists(TColor Color) const;
  // True when the entries from the first shown one on need more columns than
  // fit between the two buttons.
  bool TailExits() const;
  // The entry nearest to black (black when there is none) and to white
  // (white when there is none); the lower index wins a tie.
  TColor GetFColor() const;
  TColor GetBColor() const;

  // The scroll steps (OnClick of "<" and ">") and their auto-repeat.
  void btLeftClick(TObject* Sender);
  void btRightClick(TObject* Sender);
  void btMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void btMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void TimerTimer(TObject* Sender);

 protected:
  void Paint() override;

 private:
  friend struct TKPaletteAccess;  // tests

  // The side of a cell in pixels.
  static constexpr int kCellSize = 16;

  // Enables "<" when there is something on the left and ">" when there is
  // more on the right; a repeat whose button went disabled or hidden ends.
  void UpdateButtons();
  void StopRepeat();
  TColor NearestEntry(TColor target, TColor none) const;
  // Left edge of the first cell and the right limit of the cells.
  int CellsLeft() const;
  int CellsRight() const;
  // Whole columns between the two buttons, and the entries they hold.
  int PageSize() const;

  HPALETTE FPalette{};
  std::unique_ptr<TSpeedButton> FLeftButton;
  std::unique_ptr<TSpeedButton> FRightButton;
  std::unique_ptr<TTimer> FTimer;
  TNotifyEvent FRepeatAction;
  // The button whose press runs the repeat; nullptr when none.
  TSpeedButton* FRepeatButton = nullptr;
  int FPaletteSize = 0;
  int FCount = 0;
  int FFirst = 0;
  int FColumns = 0;
  int FRows = 2;
  // The entries shown: FCount of them, read once per SetColorPalette.
  std::vector<PALETTEENTRY> FEntries;
};

}  // namespace pictor
