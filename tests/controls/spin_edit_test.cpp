// The spin edit as the attributes dialog uses it (1 to 10000): steps, the
// clamp on leaving, what can be typed and pasted, and its size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

#include "controls/spin_edit.h"
#include "host/toolkit/form.h"

namespace pictor {
namespace {

// Two fields in a shown, active window, so that the focus can move.
struct Fields {
  TForm form;
  TKSpinEdit* edit = new TKSpinEdit(&form);
  TKSpinEdit* other = new TKSpinEdit(&form);
  Fields() {
    form.resize(200, 80);
    edit->SetBounds(8, 8, 57, 22);
    other->SetBounds(8, 40, 57, 22);
    for (TKSpinEdit* e : {edit, other}) {
      e->SetMinValue(1);
      e->SetMaxValue(10000);
      e->SetValue(100);
    }
    form.show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    edit->SetFocus();
  }
  // Types into the field as the user would (all text selected first), then
  // leaves it.
  void TypeAndLeave(const char* text) {
    edit->SetFocus();
    edit->SelectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    other->SetFocus();
  }
};

// Types a character as a keyboard of any script would.
void TypeText(QWidget* widget, const char* utf8) {
  QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8(utf8));
  QApplication::sendEvent(widget, &press);
}

TEST(SpinEdit, StepsByButtonsAndArrowKeysStayWithinTheLimits) {
  Fields f;
  f.edit->SetValue(9999);
  QTest::mouseClick(f.edit->Button()->UpButton(), Qt::LeftButton);
  EXPECT_TRUE(f.edit->Focused());  // a press on the buttons focuses the field
  QTest::keyClick(f.edit, Qt::Key_Up);
  EXPECT_EQ(f.edit->Text(), "10000");
  f.edit->SetValue(2);
  f.edit->SetIncrement(5);
  QTest::keyClick(f.edit, Qt::Key_Down);
  EXPECT_EQ(f.edit->Text(), "1");
  QTest::mouseClick(f.edit->Button()->DownButton(), Qt::LeftButton);
  EXPECT_EQ(f.edit->Text(), "1");
  // A read-only field does not step.
  f.edit->SetReadOnly(true);
  QTest::keyClick(f.edit, Qt::Key_Up);
  EXPECT_EQ(f.edit->Value(), 1);
}

TEST(SpinEdit, LeavingTheFieldBringsTypedValuesIntoTheLimits) {
  Fields f;
  f.TypeAndLeave("20000");
  EXPECT_EQ(f.edit->Text(), "10000");
  f.TypeAndLeave("0");
  EXPECT_EQ(f.edit->Text(), "1");
  // An empty field reads as the minimum, which is within the limits, so it stays empty.
  f.TypeAndLeave("");
  EXPECT_EQ(f.edit->Text(), "");
  EXPECT_EQ(f.edit->Value(), 1);
  f.TypeAndLeave("+250");
  EXPECT_EQ(f.edit->Value(), 250);
}

TEST(SpinEdit, OnlyNumberCharactersCanBeTypedButAnyTextCanBePasted) {
  Fields f;
  f.TypeAndLeave("12a b.");
  EXPECT_EQ(f.edit->Text(), "12.");  // '.' is the decimal separator of the test's locale
  f.edit->SetFocus();
  TypeText(f.edit, "\xd0\xb6");  // a letter of another script
  EXPECT_EQ(f.edit->Text(), "12.");
  TypeText(f.edit, "9");
  TypeText(f.edit, "\xc3\xa9");  // an 8-bit letter
  EXPECT_EQ(f.edit->Text(), "9");

  QApplication::clipboard()->setText("12a");
  f.edit->SelectAll();
  QTest::keyClick(f.edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(f.edit->Text(), "12a");
  f.other->SetFocus();
  EXPECT_EQ(f.edit->Text(), "12a");  // no number: reads as the minimum, which needs no clamp
  EXPECT_EQ(f.edit->Value(), 1);
}

TEST(SpinEdit, WithoutTheEditorTheTextIsLockedButStepsStillWork) {
  Fields f;
  f.edit->SetEditorEnabled(false);
  f.edit->SetFocus();
  f.edit->SetSelStart(3);
  QTest::keyClicks(f.edit, "5");
  QTest::keyClick(f.edit, Qt::Key_Backspace);
  f.edit->SelectAll();
  QTest::keyClick(f.edit, Qt::Key_Delete);
  QApplication::clipboard()->setText("7");
  QTest::keyClick(f.edit, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(f.edit, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(f.edit->Text(), "100");
  EXPECT_EQ(QApplication::clipboard()->text(), "7");
  QTest::keyClick(f.edit, Qt::Key_Up);
  QTest::mouseClick(f.edit->Button()->UpButton(), Qt::LeftButton);
  EXPECT_EQ(f.edit->Text(), "102");
  // Turned back on, the text can be edited again.
  f.edit->SetEditorEnabled(true);
  f.edit->SelectAll();
  QTest::keyClicks(f.edit, "7");
  EXPECT_EQ(f.edit->Text(), "7");
}

TEST(SpinEdit, EqualLimitsLeaveTypedValuesFreeWhileStepsStillSnapToThem) {
  Fields f;
  f.edit->SetMinValue(5);
  f.edit->SetMaxValue(5);
  f.TypeAndLeave("50");
  EXPECT_EQ(f.edit->Text(), "50");
  f.edit->SetValue(50);
  QTest::keyClick(f.edit, Qt::Key_Down);
  EXPECT_EQ(f.edit->Value(), 49);
  QTest::keyClick(f.edit, Qt::Key_Up);
  EXPECT_EQ(f.edit->Value(), 5);  // 50 + 1 is beyond the maximum
  f.edit->SetValue(3);
  QTest::keyClick(f.edit, Qt::Key_Down);
  EXPECT_EQ(f.edit->Value(), 5);  // 2 is below the minimum
}

TEST(SpinEdit, KeepsItsMinimumHeightAndTheButtonInsideTheRightEdge) {
  Fields f;
  f.edit->SetHeight(5);
  EXPECT_EQ(f.edit->Height(), f.edit->GetMinHeight());
  EXPECT_GT(f.edit->GetMinHeight(), 10);
  f.edit->SetBounds(8, 8, 80, 40);
  const TKSpinButton* button = f.edit->Button();
  EXPECT_EQ(button->Width(), 15);
  EXPECT_EQ(button->Left() + button->Width(), 80 - 3);
  EXPECT_EQ(button->Top(), 2);
  EXPECT_EQ(button->Height(), 40 - 5);
  // The text (its caret) ends left of the button.
  EXPECT_LT(f.edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x(), button->Left());
  f.edit->SetText("88888888888888888888");
  f.edit->SetSelStart(20);
  f.edit->repaint();  // the field scrolls its text as it paints
  EXPECT_LT(f.edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x(), button->Left());
}

}  // namespace
}  // namespace pictor
