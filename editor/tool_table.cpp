#include "editor/tool_table.h"

#include "host/toolkit/screen.h"
#include "resources/cursor_resources.h"

namespace pictor {
namespace {

using Form = Ui::dlgPictor;
using Family = TToolFamily;
using Shape = TToolShape;
using Options = TToolOptions;

constexpr TToolFlag UsesPreview = TToolFlag::UsesPreview;
constexpr TToolFlag DragSteps = TToolFlag::DragSteps;
constexpr TToolFlag CollectsPoints = TToolFlag::CollectsPoints;
// The pen, eraser and brush.
constexpr TToolFlags kStroke{DragSteps, TToolFlag::ConnectedStroke, TToolFlag::RecordsRelease};
// The line and the figures.
constexpr TToolFlags kShape{UsesPreview, DragSteps, TToolFlag::RecordsRelease};

// Every tool but the eraser and the brush, which show their tip under the
// standard arrow, has a pointer of its own id.
constexpr TTool kTools[] = {
    {&Form::sbMarquee, Family::Selection, Shape::Rectangle, {UsesPreview, DragSteps}, crMarquee,
     &Form::tsMarquee, Options::None},
    {&Form::sbLasso, Family::Selection, Shape::Freeform, {UsesPreview, DragSteps, CollectsPoints},
     crLasso, &Form::tsLasso, Options::None},
    {&Form::sbZoom, Family::Zoom, Shape::None, {}, crZoom, &Form::tsZoom, Options::None},
    {&Form::sbEraser, Family::Freehand, Shape::Tip, kStroke + TToolFlags{TToolFlag::SwapsColours},
     crArrow, &Form::tsEraser, Options::Tip},
    {&Form::sbPen, Family::Freehand, Shape::Pixel, kStroke, crPen, &Form::tsPen, Options::None},
    {&Form::sbBrush, Family::Freehand, Shape::Tip, kStroke, crArrow, &Form::tsBrush, Options::Tip},
    {&Form::sbSpray, Family::Freehand, Shape::Dots, {DragSteps, TToolFlag::RecordsRelease},
     crSpray, &Form::tsSpray, Options::None},
    {&Form::sbText, Family::Text, Shape::None, {UsesPreview}, crText, &Form::tsText,
     Options::None},
    {&Form::sbFill, Family::Fill, Shape::None, {TToolFlag::RecordsRelease}, crFill, &Form::tsFill,
     Options::None},
    {&Form::sbGetPixelColor, Family::Picker, Shape::None, {}, crGetPixelColor,
     &Form::tsGetPixelColor, Options::None},
    {&Form::sbLine, Family::Line, Shape::None, kShape, crLine, &Form::tsLine, Options::PenWidth},
    {&Form::sbCurve, Family::Curve, Shape::None, kShape + TToolFlags{CollectsPoints}, crCurve,
     &Form::tsLine, Options::PenWidth},
    {&Form::sbRectangle, Family::Figure, Shape::Rectangle, kShape, crRectangle,
     &Form::tsRectangle, Options::FigureStyle},
    {&Form::sbPolygon, Family::Polygon, Shape::None, kShape + TToolFlags{CollectsPoints},
     crPolygon, &Form::tsRectangle, Options::FigureStyle},
    {&Form::sbRoundRectangle, Family::Figure, Shape::RoundRectangle, kShape, crRoundRectangle,
     &Form::tsRectangle, Options::FigureStyle},
    {&Form::sbEllipse, Family::Figure, Shape::Ellipse, kShape, crEllipse, &Form::tsRectangle,
     Options::FigureStyle},
};

}  // namespace

const TTool kNoTool{nullptr, Family::None, Shape::None, {}, crArrow, nullptr, Options::None};

std::span<const TTool> ToolTable() { return kTools; }

}  // namespace pictor
