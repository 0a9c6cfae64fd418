// The bases of other folders' controls (edit field, painted control), the
// radio group, and pointer moves over the scroll box around the image.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QRadioButton>
#include <QTest>

#include "host/graphics/canvas.h"
#include "host/toolkit/custom_edit.h"
#include "host/toolkit/form.h"
#include "host/toolkit/group_box.h"
#include "host/toolkit/paint_box.h"
#include "host/toolkit/panel.h"
#include "host/toolkit/scroll_box.h"
#include "host/toolkit/win_control.h"
#include "tests/support/qt_application.h"

namespace pictor {
namespace {

// An edit field that takes digits only and may refuse pastes, as a spin edit does.
class DigitEdit : public TCustomEdit {
 public:
  bool pasteAllowed = true;
  int ups = 0;
  void KeyDown(Word& Key, TShiftState Shift) override {
    if (Key == VK_UP) ++ups;
    TCustomEdit::KeyDown(Key, Shift);
  }
  void KeyPress(char& Key) override {
    if (Key >= 32 && (Key < '0' || Key > '9')) Key = 0;
    TCustomEdit::KeyPress(Key);
  }
  void PasteFromClipboard() override {
    if (pasteAllowed) TCustomEdit::PasteFromClipboard();
  }
};

TEST(CustomEditTest, KeysSetToZeroNeverReachTheField) {
  DigitEdit edit;
  edit.show();
  QTest::keyClicks(&edit, "1a2");
  QTest::keyClick(&edit, Qt::Key_Up);
  EXPECT_EQ(edit.Text(), "12");
  EXPECT_EQ(edit.ups, 1);
}

TEST(CustomEditTest, PastingGoesThroughTheVirtualMethod) {
  DigitEdit edit;
  edit.show();
  QGuiApplication::clipboard()->setText("34x");
  edit.pasteAllowed = false;
  QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit.Text(), "");
  edit.pasteAllowed = true;
  QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit.Text(), "34x");
}

TEST(CustomEditTest, TheEditRectKeepsTextFromTheRightEdge) {
  TCustomEdit edit;
  edit.resize(80, 20);
  edit.SetEditRect(TRect{0, 0, 60, 21});
  EXPECT_EQ(edit.textMargins().right(), 20);
  int changes = 0;
  edit.OnChange = [&](TObject*) { ++changes; };
  edit.SetText("100");
  EXPECT_EQ(changes, 1);
}

class Swatch : public TCustomControl {
 protected:
  void Paint() override {
    Canvas()->Brush.Color = clRed;
    Canvas()->FillRect(TRect{2, 2, 6, 6});
  }
};

TEST(CustomControlTest, PaintDrawsOnACanvasOverTheControlsColour) {
  Swatch swatch;
  swatch.resize(10, 10);
  swatch.SetColor(clBlue);
  const QImage image = swatch.grab().toImage();
  EXPECT_EQ(image.pixelColor(3, 3), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(8, 8), QColor(0, 0, 255));
  EXPECT_EQ(swatch.Canvas(), nullptr);  // only while painting
}

TEST(RadioGroupTest, ItemIndexFollowsTheChosenButton) {
  TRadioGroup group;
  group.resize(120, 100);
  group.setItems({"1 bit", "4 bit", "8 bit"});
  group.SetItemIndex(1);
  int clicks = 0;
  group.OnClick = [&](TObject*) { ++clicks; };
  group.show();
  QTest::mouseClick(group.Button(2), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(group.ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(group.Button(2)->isChecked());
  EXPECT_FALSE(group.Button(1)->isChecked());
  group.SetItemIndex(7);
  EXPECT_EQ(group.ItemIndex(), -1);
}

TEST(ScrollBoxTest, MovesOverTheAreaAroundTheImageReachTheScrollBox) {
  TForm form;
  form.resize(300, 200);
  auto* box = new TScrollBox(&form);
  box->setGeometry(0, 0, 300, 200);
  auto* image = new TPanel(box->Content());
  image->SetBounds(0, 0, 100, 100);
  auto* paint = new TPaintBox(image);
  paint->SetBounds(0, 0, 100, 100);
  std::vector<std::string> log;
  box->OnMouseMove = [&](TObject* sender, TShiftState, int x, int y) {
    EXPECT_EQ(sender, box);
    log.push_back("box " + std::to_string(x) + "," + std::to_string(y));
  };
  paint->OnMouseMove = [&](TObject*, TShiftState, int x, int y) {
    log.push_back("paint " + std::to_string(x) + "," + std::to_string(y));
  };
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QTest::mouseMove(form.windowHandle(), QPoint(50, 60));
  QTest::mouseMove(form.windowHandle(), QPoint(250, 150));
  ASSERT_GE(log.size(), 2u) << (log.empty() ? "" : log[0]);
  EXPECT_EQ(log[log.size() - 2], "paint 50,60");
  EXPECT_EQ(log.back(), "box 250,150");
}

}  // namespace
}  // namespace pictor
