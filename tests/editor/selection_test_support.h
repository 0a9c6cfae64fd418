// A window on a striped 60 x 40 24-bit picture with the marquee current, its
// colours aqua and fuchsia (neither is in the stripes), for the tests of the
// selection and the clipboard.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "tests/editor/tools_test_support.h"
#include "tests/support/pattern_bitmap.h"

namespace pictor::edtest {

class SelectionTest : public ToolsTest {
 protected:
  static constexpr int kWidth = 60;
  static constexpr int kHeight = 40;
  static constexpr TColor kFore = clAqua;
  static constexpr TColor kBack = clFuchsia;

  void SetUp() override {
    dialog.SetFrame(testing::PatternBitmap(pf24bit, kWidth, kHeight).get());
    a.ForeColor() = kFore;
    a.BackColor() = kBack;
  }

  // A pointer move with no button held.
  void Hover(int x, int y) { Move(x, y, {}); }
  // Pressed at the first point, dragged through the others, released at the last.
  void Lasso(const std::vector<TPoint>& points) {
    Press(points.front().X, points.front().Y);
    for (std::size_t i = 1; i < points.size(); ++i) Move(points[i].X, points[i].Y);
    Release(points.back().X, points.back().Y);
  }
  // (x, y) lies in the box from (left, top) to (right, bottom), both included.
  static bool In(int x, int y, int left, int top, int right, int bottom) {
    return left <= x && x <= right && top <= y && y <= bottom;
  }
  // The bitmap has the size and every pixel the colour expected(x, y); the
  // first wrong pixel is reported.
  template <typename Expected>
  static void ExpectPixels(TBitmap& bitmap, int width, int height, Expected expected) {
    ASSERT_EQ(bitmap.Width(), width);
    ASSERT_EQ(bitmap.Height(), height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (bitmap.Canvas()->Pixels(x, y) != expected(x, y)) {
          ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex
                        << bitmap.Canvas()->Pixels(x, y) << ", not " << expected(x, y);
          return;
        }
  }
};

}  // namespace pictor::edtest
