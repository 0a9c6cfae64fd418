// TCanvas: drawing on a bitmap with a pen and a brush.
//
// Pixel rules: writes outside the bitmap do nothing and reads outside return
// -1. LineTo leaves out its end pixel. Rectangle, RoundRect and Ellipse take
// their corners in either order and leave out the right and bottom edge.
// Pens of width 1 are one pixel wide; wider pens are round (round ends and
// joins) and cover their end points. Polygon fills by the alternate rule.
// FloodFill fills 4-connected areas. pmXor undoes itself when drawn twice:
// palette indices are XORed on palette formats, RGB values on the others.
#pragma once

#include <memory>
#include <span>

#include <string>
#include <string_view>

#include "host/graphics/color.h"
#include "host/graphics/font.h"
#include "host/graphics/handle_table.h"
#include "host/graphics/geometry.h"
#include "host/graphics/raster/spans.h"

namespace pictor {

class TBitmap;
class TGraphic;
class TCanvas;

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
enum class TPenMode { pmCopy, pmXor };
enum class TBrushStyle { bsSolid, bsClear };
enum class TFillStyle { fsSurface, fsBorder };

inline constexpr TPenStyle psSolid = TPenStyle::psSolid;
inline constexpr TPenStyle psDash = TPenStyle::psDash;
inline constexpr TPenStyle psDot = TPenStyle::psDot;
inline constexpr TPenStyle psDashDot = TPenStyle::psDashDot;
inline constexpr TPenStyle psDashDotDot = TPenStyle::psDashDotDot;
inline constexpr TPenStyle psClear = TPenStyle::psClear;
inline constexpr TPenMode pmCopy = TPenMode::pmCopy;
inline constexpr TPenMode pmXor = TPenMode::pmXor;
inline constexpr TBrushStyle bsSolid = TBrushStyle::bsSolid;
inline constexpr TBrushStyle bsClear = TBrushStyle::bsClear;
inline constexpr TFillStyle fsSurface = TFillStyle::fsSurface;
inline constexpr TFillStyle fsBorder = TFillStyle::fsBorder;

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = TPenStyle::psSolid;
  TPenMode Mode = TPenMode::pmCopy;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::bsSolid;
};

// The drawing target of the region and text-mode functions below: the canvas itself.
using HDC = TCanvas*;

// Background modes of text (SetBkMode).
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// Text metrics of the canvas's font, in pixels.
struct TTextMetric {
  int tmHeight = 0;   // ascent + descent: the height of a text cell
  int tmAscent = 0;   // from the top of the cell to the baseline
  int tmDescent = 0;  // from the baseline to the bottom of the cell
  int tmInternalLeading = 0;
  int tmAveCharWidth = 0;
};

class TCanvas {
 public:
  explicit TCanvas(TBitmap* bitmap);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TPen Pen;
  TBrush Brush;
  TFont Font;
  TPoint PenPos;
  // TRANSPARENT: text paints only its glyph pixels; OPAQUE: the text cell is
  // filled with the brush colour first.
  int BkMode = OPAQUE;
  // ALTERNATE or WINDING: how PolyPolygon fills.
  int PolyFillMode = 1;

  HDC Handle() { return this; }
  TBitmap* Bitmap() const { return bitmap_; }

  TColor Pixels(int x, int y) const;
  void SetPixels(int x, int y, TColor color);

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polyline(std::span<const TPoint> points);
  void Polygon(std::span<const TPoint> points);
  // Several closed polygons filled together by PolyFillMode (counts[i] points each).
  void PolyPolygon(std::span<const TPoint> points, std::span<const int> counts);
  // 1 + 3n points: cubic Bezier curves, each from the previous end point.
  void PolyBezier(std::span<const TPoint> points);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  // Corners rounded by an ellipse w wide and h high.
  void RoundRect(int x1, int y1, int x2, int y2, int w, int h);
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  // Parts of the ellipse inscribed in (x1, y1, x2, y2), counter-clockwise from
  // the ray towards (x3, y3) to the ray towards (x4, y4): the arc alone, the
  // arc closed by its chord, or the sector closed by two radii.
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  // Fills the rectangle (right and bottom edge left out) with the brush, no outline.
  void FillRect(const TRect& r);
  // fsSurface: fills the 4-connected area of pixels of `color` around (x, y);
  // fsBorder: the area around (x, y) bounded by pixels of `color`.
  void FloodFill(int x, int y, TColor color, TFillStyle style);

  // Text in Font, UTF-8: the top-left of the text cell at (x, y).
  void TextOut(int x, int y, std::string_view text);
  int TextWidth(std::string_view text);
  int TextHeight(std::string_view text);
  TSize TextExtent(std::string_view text);
  TTextMetric TextMetrics();

  // Copies (and scales, by nearest neighbour) sourceRect of source onto dest,
  // converting to this bitmap's format and palette.
  void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);
  // Draws a graphic at its own size with its top-left at (x, y).
  void Draw(int x, int y, const TGraphic* graphic);
  // Draws a graphic scaled into rect.
  void StretchDraw(const TRect& rect, const TGraphic* graphic);
  // The bitmap case of Draw and StretchDraw: skips the transparent colour of a
  // transparent bitmap.
  void StretchDrawBitmap(const TRect& rect, const TBitmap& bitmap);

  // The clipping region (a copy); nullptr draws everywhere.
  void SetClipRegion(const SpanSet* region);
  const SpanSet* ClipRegion() const { return clip_.get(); }

 private:
  friend class CanvasPainter;
  TBitmap* bitmap_;
  std::unique_ptr<SpanSet> clip_;
};

// A frame `width` pixels thick just inside rect: top and left edges in top,
// bottom and right edges in bottom. Shrinks rect by width on every side.
void Frame3D(TCanvas* canvas, TRect& rect, TColor top, TColor bottom, int width);

// Region operations on a canvas. SelectClipRgn copies the region; a zero
// handle removes the clip. Return false on an unknown handle.
bool SelectClipRgn(HDC dc, HRGN region);
// Inverts the pixels inside the region: palette indices on palette formats,
// RGB values on the others.
bool InvertRgn(HDC dc, HRGN region);
bool FillRgn(HDC dc, HRGN region, TColor color);

// The previous mode; 0 for an unknown mode.
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetPolyFillMode(HDC dc, int mode);
bool GetTextMetrics(HDC dc, TTextMetric& metric);

}  // namespace pictor
