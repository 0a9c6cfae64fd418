// The copying operations of TCanvas: CopyRect, Draw, StretchDraw.
#include <utility>

#include "host/graphics/bitmap.h"
#include "host/graphics/raster/blit.h"
#include "host/graphics/canvas.h"

namespace pictor {

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect) {
  if (!source) return;
  const BitmapImage& from = std::as_const(*source->Bitmap()).Image();
  bitmap_->MarkChanged(dest);
  if (source == this) {
    // Copying within one bitmap reads from a snapshot, so overlapping areas come out right.
    TBitmap snapshot;
    snapshot.Assign(bitmap_);
    StretchBlit(bitmap_->ImageForDrawing(), dest, snapshot.Image(), sourceRect,
                BlitOptions{clip_.get()});
    return;
  }
  StretchBlit(bitmap_->ImageForDrawing(), dest, from, sourceRect, BlitOptions{clip_.get()});
}

void TCanvas::Draw(int x, int y, const TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  graphic->DrawInto(*this, TRect{x, y, x + graphic->Width(), y + graphic->Height()});
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  graphic->DrawInto(*this, rect);
}

void TCanvas::StretchDrawBitmap(const TRect& rect, const TBitmap& bitmap) {
  bitmap_->MarkChanged(rect);
  BlitOptions options{clip_.get()};
  if (bitmap.Transparent()) {
    options.transparent = true;
    options.key = bitmap.TransparentColor();
  }
  if (&bitmap == bitmap_) {
    TBitmap snapshot;
    snapshot.Assign(&bitmap);
    StretchBlit(bitmap_->ImageForDrawing(), rect, snapshot.Image(),
                TRect{0, 0, bitmap.Width(), bitmap.Height()}, options);
    return;
  }
  StretchBlit(bitmap_->ImageForDrawing(), rect, bitmap.Image(), TRect{0, 0, bitmap.Width(), bitmap.Height()},
              options);
}

}  // namespace pictor
