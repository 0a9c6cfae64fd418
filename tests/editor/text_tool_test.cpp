// The text tool: clicks place and write the text, typing and Backspace
// change it, presses on the colour strip and a new font redraw it, the caret
// blinks over the character height, and the Ctrl shortcuts act and go no
// further.
#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>

#include "host/toolkit/test_hooks.h"
#include "tests/editor/tools_test_support.h"

namespace pictor::edtest {
namespace {

class TextToolTest : public ToolsTest {
 protected:
  void SetUp() override {
    Open(80, 40);
    Choose(dialog.sbText);
  }
  // Each whole UTF-8 character of `text` in turn, as the form delivers keys.
  void Type(const std::string& text) {
    for (std::size_t i = 0, end = 1; i < text.size(); i = end++) {
      while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
      std::string key = text.substr(i, end - i);
      dialog.FormKeyPress(&dialog, key);
    }
  }
  // Ctrl with a letter key; the key the handler leaves.
  Word CtrlKey(char letter, TShiftState shift = {ssCtrl}) {
    Word key = static_cast<Word>(letter);
    dialog.FormKeyDown(&dialog, key, shift);
    return key;
  }
  // The working bitmap as it is now with the text's glyphs over it.
  std::unique_ptr<TBitmap> WithText(const std::string& text, TPoint at, TColor color) {
    auto expected = std::make_unique<TBitmap>();
    expected->Assign(&a.Bitmap());
    TCanvas* canvas = expected->Canvas();
    canvas->Font = a.TextFont();
    canvas->Font.Color = color;
    canvas->BkMode = TRANSPARENT;
    canvas->TextOut(at.X, at.Y, text);
    return expected;
  }
};

TEST_F(TextToolTest, ClicksWriteTheTypedTextInTheForegroundColourWithOneEntryEach) {
  a.ForeColor() = clRed;
  auto expected = WithText("abc", Point(10, 10), clRed);
  Press(10, 10);
  Type("abc");
  EXPECT_TRUE(Painted().empty());  // still on the preview
  Press(50, 20, mbRight);
  EXPECT_TRUE(SameImage(*expected));
  EXPECT_GT(Painted().size(), 20u);
  EXPECT_EQ(a.HistoryIndex(), 1);
  EXPECT_EQ(a.TextPos(), Point(50, 20));
  EXPECT_TRUE(a.Modified());
  Press(5, 5);  // nothing typed: an entry all the same
  EXPECT_TRUE(SameImage(*expected));
  EXPECT_EQ(a.HistoryIndex(), 2);
}

TEST_F(TextToolTest, BackspaceRemovesWholeCharactersAndControlCodesAreIgnored) {
  Type("xy");  // no place yet: kept, not drawn, and forgotten at the click
  EXPECT_TRUE(a.Shape().Empty());
  Press(4, 4);
  Type("abc\b\b\t\r\x1b\x7f\u0085");
  EXPECT_EQ(a.Text(), "a");
  Type("é日😀\b");
  EXPECT_EQ(a.Text(), "aé日");
  Type("\b\b\b\bΩe");
  auto expected = WithText("Ωe", Point(4, 4), clBlack);
  dialog.sbMakeClick();
  EXPECT_TRUE(SameImage(*expected));
}

TEST_F(TextToolTest, EveryPressOnTheStripWritesTheTextInTheForegroundColourAndEndsIt) {
  Open16(80, 40);
  Choose(dialog.sbText);
  // Entry 5 (red) with the left button, entry 0 (black) with the right one,
  // the middle button, and a point beyond the last entry.
  const struct {
    TMouseButton button;
    TPoint at;
    TColor fore, back;
  } presses[] = {{mbLeft, {40, 24}, clRed, clWhite},
                 {mbRight, {8, 8}, clRed, clBlack},
                 {mbMiddle, {24, 8}, clRed, clBlack},
                 {mbLeft, {300, 8}, clRed, clBlack}};
  for (const auto& p : presses) {
    auto expected = WithText("ab", Point(6, 6), p.fore);
    Press(6, 6);
    Type("ab");
    const int entries = a.HistoryIndex();
    dialog.KPaletteMouseDown(dialog.KPalette, p.button, {}, p.at.X, p.at.Y);
    EXPECT_TRUE(SameImage(*expected));
    EXPECT_EQ(a.BackColor(), p.back);
    EXPECT_EQ(a.TextPos().X, -1);
    EXPECT_EQ(a.HistoryIndex(), entries + 1);
    Type("c");  // nothing is drawn until the next click
    dialog.sbMakeClick();
    EXPECT_TRUE(SameImage(*expected));
  }
}

TEST_F(TextToolTest, ANewFontRedrawsTheTextAndTheCaretIsOneSolidPixelOverItsHeight) {
  Press(10, 5);
  Type("ab");
  test_hooks::ScriptFontDialog([](TFont&) { return false; });
  dialog.sbFont->Click();
  EXPECT_EQ(a.TextFont().Height, -11);
  test_hooks::ScriptFontDialog([](TFont& font) {
    font.SetSize(14);
    font.Style = {fsBold};
    return true;
  });
  // Another tool's pen left on the preview.
  a.Shape().Canvas()->Pen.Width = 3;
  a.Shape().Canvas()->Pen.Style = psDot;
  dialog.sbFont->Click();
  ASSERT_EQ(a.TextFont().Height, -19);
  auto text = WithText("ab", Point(10, 5), clBlack);
  auto caret = [&] {
    std::vector<TPoint> points;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 80; ++x)
        if (a.Shape().Canvas()->Pixels(x, y) != text->Canvas()->Pixels(x, y))
          points.push_back(Point(x, y));
    return points;
  };
  if (caret().empty()) dialog.tiTextTimer(dialog.tiText.get());
  std::vector<TPoint> expected;
  for (int y = 5; y < 5 + 19; ++y) expected.push_back(Point(10 + text->Canvas()->TextWidth("ab"), y));
  EXPECT_EQ(caret(), expected);
  dialog.tiTextTimer(dialog.tiText.get());  // the next tick removes it
  EXPECT_TRUE(caret().empty());
}

TEST_F(TextToolTest, CtrlShortcutsActAndAreConsumed) {
  Press(10, 10);
  Type("abc");
  EXPECT_EQ(CtrlKey('Z'), 0);  // the typed text goes, the history stays
  EXPECT_EQ(a.TextPos().X, -1);
  EXPECT_EQ(a.HistoryIndex(), 0);
  Type("d");
  dialog.sbMakeClick();
  EXPECT_TRUE(Painted().empty());

  Press(10, 10);
  Type("e");
  Press(30, 10);  // written: entry 2
  EXPECT_EQ(CtrlKey('Z'), 0);
  EXPECT_EQ(a.HistoryIndex(), 1);
  EXPECT_TRUE(Painted().empty());
  EXPECT_EQ(CtrlKey('Z', {ssCtrl, ssShift}), 0);
  EXPECT_EQ(a.HistoryIndex(), 2);
  EXPECT_FALSE(Painted().empty());
  // Other keys go on and change nothing.
  EXPECT_EQ(CtrlKey('X'), 'X');
  EXPECT_EQ(CtrlKey('Z', {}), 'Z');
  EXPECT_EQ(a.HistoryIndex(), 2);
  // Select all, copy and paste are consumed too; they leave the text tool.
  for (char letter : {'A', 'C', 'V'}) EXPECT_EQ(CtrlKey(letter), 0) << letter;
  EXPECT_TRUE(dialog.sbMarquee->Down());
}

// Counts the key presses that reach a widget.
class KeyCounter : public QObject {
 public:
  int keys = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    keys += event->type() == QEvent::KeyPress;
    return false;
  }
};

TEST_F(TextToolTest, RealKeysAndAnInputMethodTypeIntoTheShownWindow) {
  dialog.Show();
  QApplication::processEvents();
  QTest::mouseClick(dialog.PaintBox, Qt::LeftButton, {}, QPoint(3, 8));
  QWidget* focus = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
  KeyCounter counter;
  focus->installEventFilter(&counter);
  for (const char* c : {"Æ", "r", "ø", " ", "€", "5", " ", "日", "x"}) {
    const char32_t code = QString(c).toUcs4().front();
    const int key = code == U' ' ? int{Qt::Key_Space} : QChar(code).toUpper().unicode();
    QTest::sendKeyEvent(QTest::Click, focus, Qt::Key(key), QString(c), Qt::NoModifier);
  }
  QTest::keyClick(focus, Qt::Key_Backspace);
  QInputMethodEvent commit;
  commit.setCommitString("本");
  QApplication::sendEvent(focus, &commit);
  const std::string typed = "Ærø €5 日本";
  EXPECT_EQ(a.Text(), typed);
  EXPECT_EQ(counter.keys, 10);  // typing goes on to the focused control too

  auto expected = WithText(typed, Point(3, 8), clBlack);
  QTest::mouseClick(dialog.PaintBox, Qt::LeftButton, {}, QPoint(60, 30));
  EXPECT_TRUE(SameImage(*expected));
  // The fallback faces drew the characters the form's face lacks.
  const int cjkLeft = 3 + expected->Canvas()->TextWidth("Ærø €5 ");
  int cjkPixels = 0;
  for (const TPoint& p : Painted()) cjkPixels += p.X >= cjkLeft;
  EXPECT_GT(cjkPixels, 20);

  QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(Painted().empty());
  EXPECT_EQ(counter.keys, 11);  // of Ctrl+Z only the Ctrl key went on
  focus->removeEventFilter(&counter);
  dialog.Close();
}

}  // namespace
}  // namespace pictor::edtest
