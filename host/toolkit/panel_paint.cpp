// A panel that draws itself: each repaint runs Paint on a bitmap of the
// panel's size and shows the bitmap.
#include <QPainter>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/toolkit/application.h"
#include "host/toolkit/bitmap_bridge.h"
#include "host/toolkit/panel.h"

namespace pictor {
namespace {

// One bevel just inside r; r shrinks by its width.
void DrawBevel(TCanvas* canvas, TRect& r, int bevel) {
  if (bevel == bvNone) return;
  const bool raised = bevel == bvRaised;
  Frame3D(canvas, r, raised ? clBtnHighlight : clBtnShadow,
          raised ? clBtnShadow : clBtnHighlight, 1);
}

}  // namespace

TCanvas* TPanel::Canvas() { return surface_ ? surface_->Canvas() : nullptr; }

void TPanel::Paint() {
  TCanvas* c = Canvas();
  if (!c) return;
  TRect r = ClientRect();
  c->Brush = TBrush{Color(), bsSolid};
  c->FillRect(r);
  DrawBevel(c, r, bevelOuter_);
  DrawBevel(c, r, bevelInner_);
  if (caption_.empty()) return;
  const TSize size = c->TextExtent(caption_);
  c->BkMode = TRANSPARENT;
  c->TextOut(r.Left + (r.Width() - size.cx) / 2, r.Top + (r.Height() - size.cy) / 2, caption_);
}

void TPanel::PaintSurface() {
  surface_ = std::make_unique<TBitmap>();
  surface_->SetSize(width(), height());
  RunGuarded([this] { Paint(); });
  QPainter painter(this);
  painter.drawImage(0, 0, ToQImage(*surface_));
  surface_.reset();
}

}  // namespace pictor
