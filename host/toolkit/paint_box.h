// TPaintBox: a control that shows what its canvas was last told to draw.
//
// The canvas keeps a list of drawing steps instead of pixels: a stretch of a
// graphic into a rectangle, and overlays drawn with the canvas's pen and brush
// (lines, frames, dotted focus rectangles, inverted areas). When Qt repaints
// part of the paint box, only that part is rendered from the list, so the cost
// of a repaint follows the visible window, not the size of the image behind
// it. A stretch of an opaque graphic that covers the whole paint box starts a
// new list; an overlay drawn in XOR mode twice in a row at the same place
// removes both, as it would on pixels.
//
// Graphics are kept by reference: a graphic handed to StretchDraw or Draw
// must stay alive while the paint box may show it (until the next stretch
// that covers the paint box, Clear, or the paint box's end). Its current
// pixels are what a repaint shows.
//
// OnPaint runs at every repaint before the list is rendered; drawing from it
// does not ask for another repaint.
#pragma once

#include <memory>
#include <span>
#include <vector>

#include <QWidget>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/toolkit/control.h"

namespace pictor {

class TPaintBox;

class TPaintBoxCanvas {
 public:
  explicit TPaintBoxCanvas(TPaintBox* owner);
  ~TPaintBoxCanvas();
  TPaintBoxCanvas(const TPaintBoxCanvas&) = delete;
  TPaintBoxCanvas& operator=(const TPaintBoxCanvas&) = delete;

  TPen Pen;
  TBrush Brush;
  TPoint PenPos;

  // The graphic scaled into rect (nearest neighbour, the transparent colour
  // of a transparent bitmap left out), exactly as TCanvas::StretchDraw.
  // A bitmap stretched again to where the last step stretched it, with its
  // pixels, palette and transparency as they were then, asks for no repaint.
  void StretchDraw(const TRect& rect, const TGraphic* graphic);
  void Draw(int x, int y, const TGraphic* graphic);
  // The bitmap, which the steps stretch, changed only inside rect (paint-box
  // pixels): that part is shown again, and the bitmap counts as shown as it
  // is now.
  void Refresh(const TBitmap* bitmap, const TRect& rect);

  // Overlays, with the pixel rules of TCanvas.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polyline(std::span<const TPoint> points);
  void Polygon(std::span<const TPoint> points);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void Ellipse(int x1, int y1, int x2, int y2);
  void FillRect(const TRect& r);
  void SetPixels(int x, int y, TColor color);
  // A dotted frame just inside rect, XORed: drawing it twice removes it.
  void DrawFocusRect(const TRect& rect);
  // Inverts the colours inside the rectangle or the polygon (fill mode
  // ALTERNATE or WINDING of handle_table.h).
  void InvertRect(const TRect& rect);
  void InvertPolygon(std::span<const TPoint> points, int fillMode);

  // Forgets everything: the paint box shows its background colour.
  void Clear();
  std::size_t StepCount() const;

  // Renders the steps that touch `area` (paint-box pixels) into target, whose
  // top-left pixel is area's top-left; target must be area's size.
  void Render(TBitmap& target, const TRect& area) const;

 private:
  struct Step;
  void Add(Step step);

  TPaintBox* owner_;
  std::vector<Step> steps_;
};

class TPaintBox : public QWidget, public TControl {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE setTag)
  Q_PROPERTY(int Align READ Align WRITE setAlign)
  Q_PROPERTY(int Color READ Color WRITE setColor)

 public:
  explicit TPaintBox(QWidget* parent = nullptr);
  ~TPaintBox() override;
  const char* ClassName() const override { return "TPaintBox"; }

  TPaintBoxCanvas* Canvas() { return canvas_.get(); }
  TNotifyEvent OnPaint;
  // The pointer left the paint box.
  TNotifyEvent OnMouseLeave;

  // What the view shows: the pixels of rect rendered through Qt's paint
  // path, as a 24-bit bitmap; for tests and checks.
  std::unique_ptr<TBitmap> ViewImage(const TRect& rect);
  TColor ViewPixel(int x, int y);

  // Asks Qt to repaint the part (clipped to the paint box); the canvas calls it.
  void InvalidateRect(const TRect& rect);
  // Number of repaints so far and the pixels they rendered (for tests and benchmarks).
  long long PaintCount() const { return paintCount_; }
  long long PaintedPixels() const { return paintedPixels_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  std::unique_ptr<TPaintBoxCanvas> canvas_;
  bool painting_ = false;
  long long paintCount_ = 0;
  long long paintedPixels_ = 0;
};

}  // namespace pictor
