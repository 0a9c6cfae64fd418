#include "host/toolkit/paint_box.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>

#include "host/graphics/handle_table.h"
#include "host/toolkit/application.h"
#include "host/toolkit/bitmap_bridge.h"

namespace pictor {

enum class StepKind {
  Stretch,
  Polyline,
  Polygon,
  Rectangle,
  Ellipse,
  FillRect,
  Pixel,
  FocusRect,
  InvertRect,
  InvertPolygon
};

struct TPaintBoxCanvas::Step {
  StepKind kind = StepKind::Stretch;
  TRect rect;
  std::vector<TPoint> points;
  TPen pen;
  TBrush brush;
  const TGraphic* graphic = nullptr;
  TColor color = clBlack;
  int fillMode = ALTERNATE;
  // For a stretch of a bitmap: the bitmap as last shown (not compared by ==).
  struct Shown {
    std::uint64_t changes = 0;
    bool transparent = false;
    TColor transparentColor = clBlack;
    bool operator==(const Shown&) const = default;
  } shown;

  // The bitmap the step stretches, or nullptr.
  const TBitmap* Bitmap() const {
    return kind == StepKind::Stretch ? dynamic_cast<const TBitmap*>(graphic) : nullptr;
  }
  static Shown Now(const TBitmap& b) {
    return Shown{b.ChangeCount(), b.Transparent(), b.TransparentColor()};
  }

  // Drawing the same step again right after undoes it.
  bool SelfInverse() const {
    switch (kind) {
      case StepKind::FocusRect:
      case StepKind::InvertRect:
      case StepKind::InvertPolygon:
        return true;
      case StepKind::Polyline:
      case StepKind::Rectangle:
      case StepKind::Ellipse:
        return pen.Mode == pmXor && pen.Style != psClear &&
               (kind == StepKind::Polyline || brush.Style == bsClear);
      default:
        return false;
    }
  }

  bool operator==(const Step& o) const {
    return kind == o.kind && rect == o.rect && points == o.points && pen.Color == o.pen.Color &&
           pen.Width == o.pen.Width && pen.Style == o.pen.Style && pen.Mode == o.pen.Mode &&
           brush.Color == o.brush.Color && brush.Style == o.brush.Style && graphic == o.graphic &&
           color == o.color && fillMode == o.fillMode;
  }

  // The pixels the step may touch.
  TRect Bounds() const {
    TRect r;
    if (points.empty()) {
      r = NormalizedRect(rect);
    } else {
      r = TRect{points[0].X, points[0].Y, points[0].X + 1, points[0].Y + 1};
      for (const TPoint& p : points) {
        r.Left = std::min(r.Left, p.X);
        r.Top = std::min(r.Top, p.Y);
        r.Right = std::max(r.Right, p.X + 1);
        r.Bottom = std::max(r.Bottom, p.Y + 1);
      }
    }
    const int grow = pen.Width / 2 + 1;
    return TRect{r.Left - grow, r.Top - grow, r.Right + grow, r.Bottom + grow};
  }
};

namespace {

TRect Offset(const TRect& r, int dx, int dy) {
  return TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

std::vector<TPoint> Offset(const std::vector<TPoint>& points, int dx, int dy) {
  std::vector<TPoint> out(points);
  for (TPoint& p : out) {
    p.X += dx;
    p.Y += dy;
  }
  return out;
}

bool Touches(const TRect& a, const TRect& b) { return !IntersectRect(a, b).IsEmpty(); }

// The bytes of one band of a repaint (see TPaintBox::paintEvent).
constexpr int kBandBytes = 256 << 10;

}  // namespace

TPaintBoxCanvas::TPaintBoxCanvas(TPaintBox* owner) : owner_(owner) {}
TPaintBoxCanvas::~TPaintBoxCanvas() = default;

std::size_t TPaintBoxCanvas::StepCount() const { return steps_.size(); }

void TPaintBoxCanvas::Add(Step step) {
  const TRect bounds = step.Bounds();
  if (const TBitmap* bitmap = step.Bitmap(); bitmap && !steps_.empty() && steps_.back() == step &&
                                             steps_.back().shown == Step::Now(*bitmap))
    return;  // shown already, as it is
  if (step.SelfInverse() && !steps_.empty() && steps_.back() == step) {
    steps_.pop_back();
  } else {
    if (step.kind == StepKind::Stretch) {
      // An opaque bitmap over the whole paint box hides everything before it.
      const auto* bitmap = dynamic_cast<const TBitmap*>(step.graphic);
      const TRect r = NormalizedRect(step.rect);
      if (bitmap && !bitmap->Empty() && !bitmap->Transparent() && r.Left <= 0 && r.Top <= 0 &&
          r.Right >= owner_->width() && r.Bottom >= owner_->height())
        steps_.clear();
    }
    steps_.push_back(std::move(step));
  }
  owner_->InvalidateRect(bounds);
}

void TPaintBoxCanvas::StretchDraw(const TRect& rect, const TGraphic* graphic) {
  if (!graphic) return;
  Step s;
  s.kind = StepKind::Stretch;
  s.rect = rect;
  s.graphic = graphic;
  if (const TBitmap* bitmap = s.Bitmap()) s.shown = Step::Now(*bitmap);
  Add(std::move(s));
}

void TPaintBoxCanvas::Refresh(const TBitmap* bitmap, const TRect& rect) {
  for (auto it = steps_.rbegin(); it != steps_.rend(); ++it)
    if (it->Bitmap() == bitmap) {
      it->shown = Step::Now(*bitmap);
      break;
    }
  owner_->InvalidateRect(rect);
}

void TPaintBoxCanvas::Draw(int x, int y, const TGraphic* graphic) {
  if (!graphic) return;
  StretchDraw(TRect{x, y, x + graphic->Width(), y + graphic->Height()}, graphic);
}

void TPaintBoxCanvas::MoveTo(int x, int y) { PenPos = TPoint{x, y}; }

void TPaintBoxCanvas::LineTo(int x, int y) {
  const TPoint from = PenPos;
  PenPos = TPoint{x, y};
  Polyline(std::vector<TPoint>{from, PenPos});
}

void TPaintBoxCanvas::Polyline(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  Step s;
  s.kind = StepKind::Polyline;
  s.points.assign(points.begin(), points.end());
  s.pen = Pen;
  Add(std::move(s));
}

void TPaintBoxCanvas::Polygon(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  Step s;
  s.kind = StepKind::Polygon;
  s.points.assign(points.begin(), points.end());
  s.pen = Pen;
  s.brush = Brush;
  Add(std::move(s));
}

void TPaintBoxCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  Step s;
  s.kind = StepKind::Rectangle;
  s.rect = TRect{x1, y1, x2, y2};
  s.pen = Pen;
  s.brush = Brush;
  Add(std::move(s));
}

void TPaintBoxCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  Step s;
  s.kind = StepKind::Ellipse;
  s.rect = TRect{x1, y1, x2, y2};
  s.pen = Pen;
  s.brush = Brush;
  Add(std::move(s));
}

void TPaintBoxCanvas::FillRect(const TRect& r) {
  Step s;
  s.kind = StepKind::FillRect;
  s.rect = r;
  s.brush = Brush;
  Add(std::move(s));
}

void TPaintBoxCanvas::SetPixels(int x, int y, TColor color) {
  Step s;
  s.kind = StepKind::Pixel;
  s.rect = TRect{x, y, x + 1, y + 1};
  s.color = color;
  Add(std::move(s));
}

void TPaintBoxCanvas::DrawFocusRect(const TRect& rect) {
  Step s;
  s.kind = StepKind::FocusRect;
  s.rect = NormalizedRect(rect);
  Add(std::move(s));
}

void TPaintBoxCanvas::InvertRect(const TRect& rect) {
  Step s;
  s.kind = StepKind::InvertRect;
  s.rect = NormalizedRect(rect);
  Add(std::move(s));
}

void TPaintBoxCanvas::InvertPolygon(std::span<const TPoint> points, int fillMode) {
  if (points.size() < 3) return;
  Step s;
  s.kind = StepKind::InvertPolygon;
  s.points.assign(points.begin(), points.end());
  s.fillMode = fillMode;
  Add(std::move(s));
}

void TPaintBoxCanvas::Clear() {
  steps_.clear();
  owner_->InvalidateRect(TRect{0, 0, owner_->width(), owner_->height()});
}

void TPaintBoxCanvas::Render(TBitmap& target, const TRect& area) const {
  TCanvas& c = *target.Canvas();
  const int dx = -area.Left, dy = -area.Top;
  for (const Step& s : steps_) {
    if (!Touches(s.Bounds(), area)) continue;
    c.Pen = s.pen;
    c.Brush = s.brush;
    switch (s.kind) {
      case StepKind::Stretch:
        c.StretchDraw(Offset(s.rect, dx, dy), s.graphic);
        break;
      case StepKind::Polyline:
        c.Polyline(Offset(s.points, dx, dy));
        break;
      case StepKind::Polygon:
        c.Polygon(Offset(s.points, dx, dy));
        break;
      case StepKind::Rectangle:
        c.Rectangle(Offset(s.rect, dx, dy));
        break;
      case StepKind::Ellipse:
        c.Ellipse(Offset(s.rect, dx, dy));
        break;
      case StepKind::FillRect:
        c.FillRect(Offset(s.rect, dx, dy));
        break;
      case StepKind::Pixel:
        c.SetPixels(s.rect.Left + dx, s.rect.Top + dy, s.color);
        break;
      case StepKind::FocusRect:
        c.Pen = TPen{clWhite, 1, psDot, pmXor};
        c.Brush.Style = bsClear;
        c.Rectangle(Offset(s.rect, dx, dy));
        break;
      case StepKind::InvertRect: {
        const TRect r = Offset(s.rect, dx, dy);
        HRGN region = CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
        InvertRgn(c.Handle(), region);
        DeleteObject(region);
        break;
      }
      case StepKind::InvertPolygon: {
        const std::vector<TPoint> points = Offset(s.points, dx, dy);
        HRGN region = CreatePolygonRgn(points.data(), static_cast<int>(points.size()), s.fillMode);
        InvertRgn(c.Handle(), region);
        DeleteObject(region);
        break;
      }
    }
  }
}

TPaintBox::TPaintBox(QWidget* parent)
    : QWidget(parent), TControl(this), canvas_(std::make_unique<TPaintBoxCanvas>(this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  TrackMouse();
}

TPaintBox::~TPaintBox() = default;

void TPaintBox::InvalidateRect(const TRect& rect) {
  if (painting_) return;
  const TRect r = IntersectRect(NormalizedRect(rect), TRect{0, 0, width(), height()});
  if (!r.IsEmpty()) update(QRect(r.Left, r.Top, r.Width(), r.Height()));
}

void TPaintBox::paintEvent(QPaintEvent* event) {
  if (OnPaint) {
    painting_ = true;
    RunGuarded([this] { OnPaint(this); });
    painting_ = false;
  }
  const QColor background = palette().color(QPalette::Window);
  const TColor fill = RGB(background.red(), background.green(), background.blue());
  QPainter painter(this);
  const QRegion region = event->region();
  auto paintArea = [&](const QRect& q) {
    const TRect area =
        IntersectRect(TRect{q.left(), q.top(), q.left() + q.width(), q.top() + q.height()},
                      TRect{0, 0, width(), height()});
    if (area.IsEmpty()) return;
    // The area is drawn in bands of rows whose pixels stay in the processor's
    // cache from rendering to the screen; only the pictures drawn are read
    // from memory, each source row once.
    const int bandHeight = std::clamp(kBandBytes / (4 * area.Width()), 1, area.Height());
    TBitmap tile;
    for (int top = area.Top; top < area.Bottom; top += bandHeight) {
      const TRect band{area.Left, top, area.Right, std::min(top + bandHeight, area.Bottom)};
      tile.SetSize(band.Width(), band.Height());
      TCanvas& c = *tile.Canvas();
      c.Brush = TBrush{fill, bsSolid};
      c.FillRect(TRect{0, 0, band.Width(), band.Height()});
      RunGuarded([&] { canvas_->Render(tile, band); });
      painter.drawImage(band.Left, band.Top, OpaqueView(tile));
    }
    ++paintCount_;
    paintedPixels_ += static_cast<long long>(area.Width()) * area.Height();
  };
  if (region.rectCount() > 16) {
    paintArea(region.boundingRect());
  } else {
    for (const QRect& q : region) paintArea(q);
  }
}

std::unique_ptr<TBitmap> TPaintBox::ViewImage(const TRect& rect) {
  auto image = std::make_unique<TBitmap>();
  const TRect r = IntersectRect(NormalizedRect(rect), TRect{0, 0, width(), height()});
  if (r.IsEmpty()) return image;
  const QPixmap pixmap = grab(QRect(r.Left, r.Top, r.Width(), r.Height()));
  FromQImage(pixmap.toImage(), *image);
  return image;
}

TColor TPaintBox::ViewPixel(int x, int y) {
  const std::unique_ptr<TBitmap> image = ViewImage(TRect{x, y, x + 1, y + 1});
  if (image->Empty()) return clInvalid;
  return image->Canvas()->Pixels(0, 0);
}

void TPaintBox::mousePressEvent(QMouseEvent* event) { HandleMousePress(event); }
void TPaintBox::mouseMoveEvent(QMouseEvent* event) { HandleMouseMove(event); }
void TPaintBox::mouseReleaseEvent(QMouseEvent* event) { HandleMouseRelease(event, true); }
void TPaintBox::mouseDoubleClickEvent(QMouseEvent* event) { HandleMouseDoubleClick(event); }

void TPaintBox::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (OnMouseLeave) RunGuarded([&] { OnMouseLeave(this); });
}

}  // namespace pictor
