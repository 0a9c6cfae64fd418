#include "attributes/edit_image_attributes.h"

#include <algorithm>
#include <array>

#include "attributes/image_attributes_dialog.h"
#include "attributes/standard_palettes.h"

namespace pictor {

namespace {

constexpr int kMinSize = 1;
constexpr int kMaxSize = 10000;
constexpr int kNewSize = 100;

// The rows of the colour choice: the pixel format and standard palette each sets.
struct ColorRow {
  TPixelFormat Format;
  HPALETTE (*Palette)();
};
constexpr std::array<ColorRow, 4> kColorRows{{
    {pf1bit, MonochromePalette},
    {pf4bit, Palette16},
    {pf8bit, WebPalette},
    {pf24bit, WebPalette},
}};
constexpr int kVgaRow = 1;

int ColorRowOf(TPixelFormat format) {
  switch (format) {
    case pf1bit: return 0;
    case pfDevice:
    case pf4bit: return 1;
    case pf8bit: return 2;
    default: return 3;
  }
}

// What leaving the field would have shown: its value within the limits.
int SizeOf(const TKSpinEdit& field) { return std::clamp(field.Value(), kMinSize, kMaxSize); }

}  // namespace

bool EditImageAttributes(std::unique_ptr<TBitmap>& Bitmap, bool New) {
  TdlgImageAttributes dialog;
  const bool blank = New || !Bitmap || Bitmap->Empty();
  if (blank) {
    dialog.seWidth->SetValue(kNewSize);
    dialog.seHeight->SetValue(kNewSize);
    dialog.gbColors->SetItemIndex(kVgaRow);
  } else {
    dialog.seWidth->SetValue(Bitmap->Width());
    dialog.seHeight->SetValue(Bitmap->Height());
    dialog.gbColors->SetItemIndex(ColorRowOf(Bitmap->PixelFormat()));
  }
  if (dialog.ShowModal() != mrOk) return false;

  // The change is made on a separate bitmap, so that a failure leaves the
  // caller's as it was. A blank image starts as a fresh bitmap, which takes
  // its depth before its size, so its pixels are made once, in that depth.
  auto result = std::make_unique<TBitmap>();
  if (!blank) result->Assign(Bitmap.get());
  const int row = dialog.gbColors->ItemIndex();
  const auto applyDepth = [&] {
    if (row < 0 || row >= static_cast<int>(kColorRows.size())) return;
    result->SetPixelFormat(kColorRows[row].Format);
    result->SetPalette(kColorRows[row].Palette());
  };
  if (blank) applyDepth();
  result->SetWidth(SizeOf(*dialog.seWidth));
  result->SetHeight(SizeOf(*dialog.seHeight));
  if (!blank) applyDepth();
  if (blank)
    Bitmap = std::move(result);
  else
    Bitmap->ReplaceImage(std::move(result->Image()));
  return true;
}

}  // namespace pictor
