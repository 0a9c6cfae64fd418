// A window on a white 24-bit picture, and the pointer driven through the
// paint box's handlers in paint-box pixels, for the tests of the tools.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "attributes/standard_palettes.h"
#include "editor/dlg_pictor.h"
#include "host/graphics/canvas.h"
#include "tests/editor/dlg_pictor_access.h"

namespace pictor {

// The tools' private state.
struct TdlgPictorToolsAccess {
  explicit TdlgPictorToolsAccess(TdlgPictor& dialog) : d(dialog) {}
  TdlgPictor& d;

  TColor& ShapeColor() { return d.FShapeColor; }
  int& PenWidth() { return d.FPenWidth; }
  TBrushStyle& BrushStyle() { return d.FBrushStyle; }
  bool& TwoColorFill() { return d.FTwoColorFill; }
  TPoint& LastPoint() { return d.FLastPoint; }
  auto& Points() { return d.FPoints; }
  TRect& SelRect() { return d.FSelRect; }
  bool& LassoInverted() { return d.FLassoInverted; }
};

namespace edtest {

// The colour strip shows or hides its scroll buttons when it paints, as it
// has before anyone can point at it: hit tests of a window that was never
// shown need this first.
inline void SettleStrip(TdlgPictor& dialog) { dialog.KPalette->grab(); }

class ToolsTest : public ::testing::Test {
 protected:
  // A white picture of the size and format. The colours the test chose stay,
  // also those the picture's palette lacks (which the window replaces).
  void Open(int width = 40, int height = 30, TPixelFormat format = pf24bit) {
    TBitmap picture;
    picture.SetPixelFormat(format);
    picture.SetSize(width, height);
    const TColor fore = a.ForeColor();
    const TColor back = a.BackColor();
    dialog.SetFrame(&picture);
    a.ForeColor() = fore;
    a.BackColor() = back;
  }
  void SetUp() override { Open(); }
  // A white 4-bit picture on the 16-colour palette, which the colour strip
  // shows.
  void Open16(int width, int height) {
    TBitmap picture;
    picture.SetPixelFormat(pf4bit);
    picture.SetPalette(Palette16());
    picture.SetSize(width, height);
    dialog.SetFrame(&picture);
    SettleStrip(dialog);
  }

  // A click on the tool or option button: down, then its OnClick.
  static void Choose(TSpeedButton* button) {
    button->SetDown(true);
    button->Click();
  }

  void Press(int x, int y, TMouseButton button = mbLeft) {
    dialog.PaintBoxMouseDown(dialog.PaintBox, button, {}, x, y);
  }
  void Move(int x, int y, TShiftState shift = {ssLeft}) {
    dialog.PaintBoxMouseMove(dialog.PaintBox, shift, x, y);
  }
  void Release(int x, int y, TMouseButton button = mbLeft) {
    dialog.PaintBoxMouseUp(dialog.PaintBox, button, {}, x, y);
  }
  // Press, drag in one move, release.
  void Drag(int x1, int y1, int x2, int y2, TMouseButton button = mbLeft) {
    Press(x1, y1, button);
    Move(x2, y2, {button == mbLeft ? ssLeft : button == mbRight ? ssRight : ssMiddle});
    Release(x2, y2, button);
  }

  TColor Pixel(int x, int y) { return a.Bitmap().Canvas()->Pixels(x, y); }
  // The working bitmap has the pixels of `expected`.
  bool SameImage(TBitmap& expected) {
    for (int y = 0; y < a.Bitmap().Height(); ++y)
      for (int x = 0; x < a.Bitmap().Width(); ++x)
        if (Pixel(x, y) != expected.Canvas()->Pixels(x, y)) return false;
    return true;
  }
  // The pixels of the working bitmap that are not white.
  std::vector<TPoint> Painted() {
    std::vector<TPoint> points;
    for (int y = 0; y < a.Bitmap().Height(); ++y)
      for (int x = 0; x < a.Bitmap().Width(); ++x)
        if (Pixel(x, y) != clWhite) points.push_back(Point(x, y));
    return points;
  }

  TdlgPictor dialog;
  TdlgPictorAccess a{dialog};
  TdlgPictorToolsAccess t{dialog};
};

}  // namespace edtest
}  // namespace pictor
