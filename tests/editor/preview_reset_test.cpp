// The preview reset to the working bitmap only where the last step drew on
// it (and the commit of only that part) gives what full copies give: two
// windows take the same steps of every tool with a preview, one of them
// forced to copy the whole image at each step, and must agree throughout.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "editor/dlg_pictor.h"
#include "tests/editor/dlg_pictor_access.h"
#include "tests/support/pattern_bitmap.h"

namespace pictor {
namespace {

bool SamePixels(const TBitmap& a, const TBitmap& b) {
  return a.Width() == b.Width() && a.Height() == b.Height() &&
         a.PixelFormat() == b.PixelFormat() && a.PixelBytes().size() == b.PixelBytes().size() &&
         (a.Empty() ||
          std::memcmp(a.PixelBytes().data(), b.PixelBytes().data(), a.PixelBytes().size()) == 0);
}

using Step = std::function<void(TdlgPictor&)>;
Step Press(int x, int y) {
  return [=](TdlgPictor& d) { d.PaintBoxMouseDown(d.PaintBox, mbLeft, {}, x, y); };
}
Step Move(int x, int y) {
  return [=](TdlgPictor& d) { d.PaintBoxMouseMove(d.PaintBox, {ssLeft}, x, y); };
}
Step Hover(int x, int y) {
  return [=](TdlgPictor& d) { d.PaintBoxMouseMove(d.PaintBox, {}, x, y); };
}
Step Release(int x, int y) {
  return [=](TdlgPictor& d) { d.PaintBoxMouseUp(d.PaintBox, mbLeft, {}, x, y); };
}
Step Type(std::string text) {
  return [=](TdlgPictor& d) {
    std::string key = text;
    d.FormKeyPress(&d, key);
  };
}
Step Undo() {
  return [](TdlgPictor& d) { d.Undo(); };
}

// A drag from a to b through a detour, as a hand would.
std::vector<Step> Drag(int ax, int ay, int bx, int by) {
  return {Hover(ax, ay), Press(ax, ay), Move(ax + 25, ay + 3), Move(bx - 20, by + 9),
          Move(bx, by), Release(bx, by)};
}

TEST(PreviewReset, EveryPreviewToolAgreesWithAFullCopyAtEachStep) {
  struct Case {
    TSpeedButton* Ui::dlgPictor::*button;
    std::vector<std::vector<Step>> gestures;
  };
  const std::vector<Step> click{Press(60, 12), Release(60, 12)};
  const std::vector<Case> cases = {
      {&Ui::dlgPictor::sbLine, {Drag(5, 5, 50, 30), Drag(40, 2, 3, 33), {Undo()}}},
      {&Ui::dlgPictor::sbRectangle, {Drag(5, 5, 50, 30), Drag(30, 20, 8, 2)}},
      {&Ui::dlgPictor::sbRoundRectangle, {Drag(5, 5, 50, 30), {Undo()}, Drag(30, 20, 8, 2)}},
      {&Ui::dlgPictor::sbEllipse, {Drag(5, 5, 50, 30), Drag(60, 38, 20, 1)}},
      {&Ui::dlgPictor::sbCurve, {Drag(5, 5, 50, 30), Drag(10, 30, 20, 2), Drag(50, 5, 60, 30)}},
      {&Ui::dlgPictor::sbPolygon, {Drag(5, 5, 50, 30), Drag(50, 30, 20, 35), Drag(20, 35, 5, 5)}},
      {&Ui::dlgPictor::sbMarquee,
       {Drag(5, 5, 30, 20), Drag(15, 12, 40, 25), Drag(40, 25, 68, 39), click}},
      {&Ui::dlgPictor::sbLasso, {Drag(5, 5, 40, 30), Drag(20, 15, 50, 25), click}},
      {&Ui::dlgPictor::sbText, {click, {Type("W"), Type("g"), Type("\b"), Type("y")}, click}},
  };
  for (TPixelFormat format : {pf4bit, pf24bit}) {
    for (std::size_t k = 0; k < cases.size(); ++k) {
      const Case& c = cases[k];
      TdlgPictor quick, full;
      TdlgPictorAccess q(quick), f(full);
      auto picture = testing::PatternBitmap(format, 70, 40, 3);
      for (TdlgPictor* d : {&quick, &full}) {
        d->SetFrame(picture.get());
        (d->*c.button)->SetDown(true);
        (d->*c.button)->Click();
      }
      SCOPED_TRACE("tool " + std::to_string(k) + (format == pf4bit ? ", 4-bit" : ", 24-bit"));
      int n = 0;
      for (const auto& gesture : c.gestures) {
        for (const Step& step : gesture) {
          // A change of the working bitmap's count forces whole copies.
          f.Bitmap().MarkChanged(Rect(0, 0, 1, 1));
          step(quick);
          step(full);
          ASSERT_TRUE(SamePixels(q.Shape(), f.Shape())) << "preview, step " << n;
          ASSERT_TRUE(SamePixels(q.Bitmap(), f.Bitmap())) << "image, step " << n;
          ++n;
        }
      }
    }
  }
}

TEST(PreviewReset, AFigureCommittedRecordsItsOwnTilesNotItsRows) {
  // On a wide image a small rectangle must cost the history the tiles under
  // it: the commit marks the figure's box, not the rows it crosses.
  TdlgPictor d;
  TdlgPictorAccess a(d);
  auto picture = testing::PatternBitmap(pf24bit, 6000, 70, 4);
  d.SetFrame(picture.get());
  d.sbRectangle->SetDown(true);
  d.sbRectangle->Click();
  for (const Step& step : Drag(100, 10, 140, 40)) step(d);
  EXPECT_EQ(a.History().Count(), 2);
  // One tile of 1024 bytes by 64 rows before the figure and one after are
  // kept unpacked; the rows crossed hold 18 tiles each.
  EXPECT_LT(a.History().MemoryUsed(), 4u * 64 * 1024);
}

}  // namespace
}  // namespace pictor
