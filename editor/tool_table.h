// The tool table: what each tool is, one row per tool button (tool_table.cpp).
// The tool button that is down is the current tool, and
// TdlgPictor::CurrentTool gives its row; the pointer handlers switch on the
// row's family, and every other question about the current tool is answered
// by its shape and flags.
#pragma once

#include <span>

#include "host/graphics/set.h"
#include "ui_dlg_pictor.h"

namespace pictor {

// How a tool handles the pointer.
enum class TToolFamily {
  None,       // no tool button is down
  Selection,  // marquee and lasso: mark out an area to move
  Freehand,   // pen, eraser, brush and spray: paint into the image at once
  Fill,       // flood fill
  Picker,     // takes the colour of a pixel
  Zoom,       // toggles the zoom factor
  Text,       // types text at a clicked place
  Line,       // a straight line from press to release
  Figure,     // rectangle, round rectangle and ellipse, from corner to corner
  Curve,      // a Bezier curve in three gestures
  Polygon,    // vertices clicked one by one
};

// What a tool draws, where one family has several tools.
enum class TToolShape {
  None,
  Pixel,           // the pen: the pixel under the pointer
  Tip,             // the eraser and the brush: the glyph of the chosen size
  Dots,            // the spray: random dots around the pointer
  Rectangle,       // the marquee's area and the rectangle figure
  Freeform,        // the lasso's area
  RoundRectangle,  // corners rounded by an ellipse half the figure's size
  Ellipse,
};

enum class TToolFlag {
  // The unfinished work lives in the preview FShape, which the view shows
  // instead of the working bitmap.
  UsesPreview,
  // A move with a button held runs the press again: a drag step.
  DragSteps,
  // A held stroke advances one image pixel per event and stays connected.
  ConnectedStroke,
  // A release records a history entry.
  RecordsRelease,
  // The figure is a list of points, started afresh when the tool is chosen.
  CollectsPoints,
  // The left button paints in the background colour, the right one in the
  // foreground colour (the eraser).
  SwapsColours,
};
using TToolFlags = TSet<TToolFlag>;

// The option values a tool loads when it is chosen and again after a colour
// pick (sbMakeClick).
enum class TToolOptions {
  None,
  Tip,          // the chosen size's glyph into FShape, the tip colour
  PenWidth,     // FPenWidth from the line page
  FigureStyle,  // FPenWidth 1, FBrushStyle and FTwoColorFill from the rectangle page
};

struct TTool {
  TSpeedButton* Ui::dlgPictor::*button;
  TToolFamily family;
  TToolShape shape;
  TToolFlags flags;
  int cursor;  // the paint box's pointer while the tool is current
  TTabSheet* Ui::dlgPictor::*page;
  TToolOptions options;

  constexpr bool Has(TToolFlag flag) const { return flags.Contains(flag); }
};

// The rows of the sixteen tools, in tool-number order (the tool button's Tag).
std::span<const TTool> ToolTable();

// The row of no tool, for a window whose tool buttons are all up.
extern const TTool kNoTool;

}  // namespace pictor
