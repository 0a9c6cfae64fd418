// The option pages' buttons and the values they stand for. Each page's
// buttons form an exclusive group; the option chosen is the button that is
// down.
#pragma once

#include <cstddef>
#include <span>

#include "host/graphics/canvas.h"
#include "ui_dlg_pictor.h"

namespace pictor {

using TOptionButton = TSpeedButton* Ui::dlgPictor::*;

// The zoom page's factors; the zoom tool toggles between the first two.
struct TZoomOption {
  TOptionButton button;
  int factor;
};
inline constexpr TZoomOption kZoomOptions[] = {
    {&Ui::dlgPictor::sbZoom1, 1}, {&Ui::dlgPictor::sbZoom2, 5}, {&Ui::dlgPictor::sbZoom3, 9}};

// The line page's pen widths, for the line and the curve.
struct TPenWidthOption {
  TOptionButton button;
  int width;
};
inline constexpr TPenWidthOption kPenWidths[] = {
    {&Ui::dlgPictor::sbLine1, 1}, {&Ui::dlgPictor::sbLine2, 2}, {&Ui::dlgPictor::sbLine3, 4}};

// The pen width of the rectangle, round rectangle, ellipse and polygon.
inline constexpr int kFigurePenWidth = 1;

// The rectangle page's fills: the brush style, and whether the inside takes
// the other of the two colours (true) or the outline's colour (false).
struct TFigureStyleOption {
  TOptionButton button;
  TBrushStyle brushStyle;
  bool twoColorFill;
};
inline constexpr TFigureStyleOption kFigureStyles[] = {
    {&Ui::dlgPictor::sbRectangle1, bsClear, true},  // outline only
    {&Ui::dlgPictor::sbRectangle2, bsSolid, true},  // inside in the other colour
    {&Ui::dlgPictor::sbRectangle3, bsSolid, false}, // a solid figure
};
// The fill when no style button is down.
inline constexpr TFigureStyleOption kDefaultFigureStyle{nullptr, bsSolid, true};

// The spray page's radii: a press or drag step sets (4 x (r + 1)^2) / 8
// dots in the 2r x 2r square around the pointer.
struct TSprayOption {
  TOptionButton button;
  int radius;
};
inline constexpr TSprayOption kSprayRadii[] = {
    {&Ui::dlgPictor::sbSpray1, 2}, {&Ui::dlgPictor::sbSpray2, 4}, {&Ui::dlgPictor::sbSpray3, 6}};
// The radius when no spray button is down.
inline constexpr int kDefaultSprayRadius = 2;

// The size buttons of the eraser and brush pages; each button's glyph is its
// tip.
struct TTipOption {
  TOptionButton button;
};
inline constexpr TTipOption kEraserTips[] = {{&Ui::dlgPictor::sbEraser1},
                                             {&Ui::dlgPictor::sbEraser2},
                                             {&Ui::dlgPictor::sbEraser3},
                                             {&Ui::dlgPictor::sbEraser4}};
inline constexpr TTipOption kBrushTips[] = {
    {&Ui::dlgPictor::sbBrush1}, {&Ui::dlgPictor::sbBrush2}, {&Ui::dlgPictor::sbBrush3},
    {&Ui::dlgPictor::sbBrush4}, {&Ui::dlgPictor::sbBrush5}, {&Ui::dlgPictor::sbBrush6}};

// The entry of an option group (or of the tool table) whose button is down,
// the first in the group's order; nullptr when none is.
template <typename Option>
const Option* DownOption(const Ui::dlgPictor& form, std::span<const Option> options) {
  for (const Option& option : options)
    if ((form.*option.button)->Down()) return &option;
  return nullptr;
}
template <typename Option, std::size_t N>
const Option* DownOption(const Ui::dlgPictor& form, const Option (&options)[N]) {
  return DownOption(form, std::span<const Option>(options));
}

}  // namespace pictor
