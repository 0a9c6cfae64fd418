#include "controls/palette.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

#include "host/toolkit/font_style.h"

namespace pictor {

TKPalette::TKPalette(QWidget* parent) : TPanel(parent) {
  PaintOnCanvas();
  SetDoubleBuffered(true);
  SetBevelInner(bvNone);
  SetBevelOuter(bvNone);
  auto makeButton = [this](int align, const char* caption,
                           void (TKPalette::*step)(TObject*)) {
    auto button = std::make_unique<TSpeedButton>(this);
    button->SetWidth(20);
    button->SetAlign(align);
    button->SetCaption(caption);
    SetFontStyle(*button, {fsBold});
    button->SetFlat(true);
    button->OnClick = [this, step](TObject* Sender) { (this->*step)(Sender); };
    button->OnMouseDown = [this](TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                                 int Y) { btMouseDown(Sender, Button, Shift, X, Y); };
    button->OnMouseUp = [this](TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                               int Y) { btMouseUp(Sender, Button, Shift, X, Y); };
    return button;
  };
  FLeftButton = makeButton(alLeft, "<", &TKPalette::btLeftClick);
  FRightButton = makeButton(alRight, ">", &TKPalette::btRightClick);
  FTimer = std::make_unique<TTimer>();
  FTimer->SetEnabled(false);
  FTimer->SetOnTimer([this](TObject* Sender) { TimerTimer(Sender); });
}

TKPalette::~TKPalette() = default;

void TKPalette::SetColorPalette(HPALETTE Palette, int MaxCount) {
  FPalette = Palette;
  FPaletteSize = 0;
  FCount = 0;
  FFirst = 0;
  FEntries.clear();
  std::uint16_t size = 0;
  // A handle the table does not know shows nothing, like no palette.
  if (Palette != HPALETTE{} && GetObject(Palette, sizeof size, &size) != 0) FPaletteSize = size;
  if (FPaletteSize >= 1 && FPaletteSize <= 256) {
    FEntries.resize(FPaletteSize);
    FCount = static_cast<int>(GetPaletteEntries(Palette, 0, FPaletteSize, FEntries.data()));
    if (MaxCount > 0 && MaxCount < FCount) FCount = MaxCount;
    FEntries.resize(FCount);
  }
  FColumns = (FCount + 1) / 2;
  UpdateButtons();
  Repaint();
}

int TKPalette::CellsLeft() const { return FLeftButton->Visible() ? FLeftButton->Width() : 0; }

int TKPalette::CellsRight() const {
  return ClientWidth() - (FRightButton->Visible() ? FRightButton->Width() : 0);
}

bool TKPalette::GetEntryAt(int X, int Y, int& Index, int& Red, int& Green, int& Blue) const {
  const int row = std::clamp(Y / kCellSize, 0, FRows - 1);
  const long long column = (static_cast<long long>(X) - CellsLeft()) / kCellSize;
  const long long index = column * FRows + row + FFirst;
  Index = static_cast<int>(std::clamp<long long>(index, INT_MIN, INT_MAX));
  if (index < 0 || index >= FCount) return false;
  const PALETTEENTRY& e = FEntries[static_cast<std::size_t>(index)];
  Red = e.peRed;
  Green = e.peGreen;
  Blue = e.peBlue;
  return true;
}

bool TKPalette::ColorExists(TColor Color) const {
  return std::any_of(FEntries.begin(), FEntries.end(),
                     [Color](const PALETTEENTRY& e) { return EntryColor(e) == Color; });
}

bool TKPalette::TailExits() const {
  const int room = ClientWidth() - FLeftButton->Width() - FRightButton->Width();
  return room < kCellSize * ((FCount - FFirst + 1) / FRows);
}

TColor TKPalette::NearestEntry(TColor target, TColor none) const {
  TColor nearest = none;
  int nearestDistance = INT_MAX;
  for (const PALETTEENTRY& e : FEntries) {
    const int distance = std::abs(e.peRed - GetRValue(target)) +
                         std::abs(e.peGreen - GetGValue(target)) +
                         std::abs(e.peBlue - GetBValue(target));
    // A later entry wins only when strictly nearer: the lower index takes a tie.
    if (distance < nearestDistance) {
      nearest = EntryColor(e);
      nearestDistance = distance;
    }
  }
  return nearest;
}

TColor TKPalette::GetFColor() const { return NearestEntry(clBlack, clBlack); }
TColor TKPalette::GetBColor() const { return NearestEntry(clWhite, clWhite); }

}  // namespace pictor
