// The preview FShape kept in step with the working bitmap. After a reset or a
// commit the two are equal and FPreviewBasis holds the working bitmap's
// change count; while that count stays, the preview differs from the working
// bitmap only inside its own changed rectangle, so a reset or a commit copies
// that rectangle alone.
#include <algorithm>
#include <cstring>

#include "editor/dlg_pictor.h"
#include "editor/selection_rect.h"

namespace pictor {
namespace {

// Makes `to` equal `from`, given that the two have one size, format and
// palette and differ only inside rect. Whole bytes are copied: pixels that
// share a byte with rect's edge pixels are equal in both anyway.
void CopyChangedPixels(const TBitmap& from, TBitmap& to, const TRect& changed) {
  const TRect r = IntersectRect(changed, TRect{0, 0, from.Width(), from.Height()});
  if (r.IsEmpty()) return;
  const std::size_t bits = static_cast<std::size_t>(BitsPerPixel(from.PixelFormat()));
  const std::size_t first = static_cast<std::size_t>(r.Left) * bits / 8;
  const std::size_t end = std::min(from.RowBytes(), (static_cast<std::size_t>(r.Right) * bits + 7) / 8);
  to.MarkChanged(r);
  // Rows are reached through the marked-writes view: a writable scan line
  // would mark its whole row.
  std::uint8_t* const out = to.PixelBytesForMarkedWrites().data();
  const std::size_t stride = to.RowBytes();
  for (int y = r.Top; y < r.Bottom; ++y)
    std::memcpy(out + static_cast<std::size_t>(y) * stride + first, from.ScanLine(y) + first,
                end - first);
}

void CopyTransparency(const TBitmap& from, TBitmap& to) {
  to.SetTransparent(from.Transparent());
  if (from.TransparentMode() == tmFixed)
    to.SetTransparentColor(from.TransparentColor());
  else
    to.SetTransparentMode(tmAuto);
  to.SetIgnorePalette(from.IgnorePalette());
}

}  // namespace

bool TdlgPictor::PreviewInStep() const {
  const TBitmap& shape = *FShape;
  const TBitmap& bitmap = *FBitmap;
  return FPreviewBasis == bitmap.ChangeCount() && !shape.Empty() &&
         shape.Width() == bitmap.Width() && shape.Height() == bitmap.Height() &&
         shape.PixelFormat() == bitmap.PixelFormat() && shape.RowBytes() == bitmap.RowBytes() &&
         std::ranges::equal(shape.PaletteEntries(), bitmap.PaletteEntries());
}

// Makes `to` equal `from`, one of them the preview and the other the working
// bitmap; afterwards the preview is in step.
void TdlgPictor::MatchPreview(const TBitmap& from, TBitmap& to) {
  if (PreviewInStep()) {
    CopyChangedPixels(from, to, FShape->ChangedRect());
    CopyTransparency(from, to);
  } else {
    to.Assign(&from);
  }
  FShape->ClearChanged();
  FPreviewBasis = FBitmap->ChangeCount();
}

// The preview becomes a copy of the working bitmap, shown over the whole view.
void TdlgPictor::ResetPreview() { ResetPreviewOutside(TRect{}, TRect{}); }

// As ResetPreview, except inside a and b, which the caller draws over at once
// with opaque pixels: those are left as they are.
void TdlgPictor::ResetPreviewOutside(const TRect& a, const TRect& b) {
  FShapeRect = Rect(0, 0, FBitmap->Width() * FZoom, FBitmap->Height() * FZoom);
  if (!PreviewInStep()) {
    MatchPreview(*FBitmap, *FShape);
    return;
  }
  ForEachOutside(FShape->ChangedRect(), a, [&](const TRect& band) {
    ForEachOutside(band, b, [&](const TRect& part) { CopyChangedPixels(*FBitmap, *FShape, part); });
  });
  CopyTransparency(*FBitmap, *FShape);
  FShape->ClearChanged();
  FPreviewBasis = FBitmap->ChangeCount();
}

// An exact copy (size, pixel format, palette and pixels, as a save and a
// load would give) without the round trip through the file format.
void TdlgPictor::AssignShape() { MatchPreview(*FShape, *FBitmap); }

}  // namespace pictor
