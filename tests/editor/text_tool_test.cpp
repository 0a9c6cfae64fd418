// The text tool: clicks place and write the text, typing and Backspace
// change it, a palette press or a new font redraws it, the caret blinks
// over the character height, and the Ctrl shortcuts act and go no further.
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
    for (std::size_t i = 0; i < text.size();) {
      std::size_t end = i + 1;
      while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
      std::string key = text.substr(i, end - i);
      dialog.FormKeyPress(&dialog, key);
      i = end;
    }
  }
  // Ctrl with a letter key; returns the key the handler leaves.
  Word CtrlKey(char letter, bool shift = false) {
    Word key = static_cast<Word>(letter);
    dialog.FormKeyDown(&dialog, key, shift ? TShiftState{ssCtrl, ssShift} : TShiftState{ssCtrl});
    return key;
  }
  // The working bitmap as it is now, with text written over it as the tool
  // writes it: only the glyphs, in the colour.
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
  void ExpectImage(TBitmap& expected) {
    ASSERT_EQ(expected.Width(), a.Bitmap().Width());
    for (int y = 0; y < expected.Height(); ++y)
      for (int x = 0; x < expected.Width(); ++x)
        ASSERT_EQ(Pixel(x, y), expected.Canvas()->Pixels(x, y)) << x << "," << y;
  }
};

TEST_F(TextToolTest, ClicksWriteTheTypedTextInTheForegroundColourWithOneEntryEach) {
  a.ForeColor() = clRed;
  auto expected = WithText("abc", Point(10, 10), clRed);
  Press(10, 10);
  Type("abc");
  EXPECT_TRUE(Painted().empty());  // still on the preview
  Press(50, 20, mbRight);
  ExpectImage(*expected);
  for (const TPoint& p : Painted()) ASSERT_EQ(Pixel(p.X, p.Y), clRed);
  EXPECT_GT(Painted().size(), 20u);
  EXPECT_EQ(a.HistoryIndex(), 1);
  EXPECT_EQ(a.TextPos(), Point(50, 20));
  EXPECT_EQ(a.Text(), "");
  EXPECT_TRUE(a.Modified());
  // Nothing typed: an entry all the same.
  Press(5, 5);
  ExpectImage(*expected);
  EXPECT_EQ(a.HistoryIndex(), 2);
}

TEST_F(TextToolTest, BackspaceRemovesWholeCharactersAndControlCodesAreIgnored) {
  Type("xy");  // no place yet: kept, not drawn, and forgotten at the click
  EXPECT_EQ(a.Text(), "xy");
  EXPECT_TRUE(a.Shape().Empty());
  Press(4, 4);
  Type("abc\b\b\t\r\x1b\x7f\u0085");
  EXPECT_EQ(a.Text(), "a");
  Type("é日😀\b");
  EXPECT_EQ(a.Text(), "aé日");
  Type("\b\b\b\b");
  EXPECT_EQ(a.Text(), "");
  Type("Ωe");
  auto expected = WithText("Ωe", Point(4, 4), clBlack);
  dialog.sbMakeClick();
  ExpectImage(*expected);
  EXPECT_FALSE(Painted().empty());
}

TEST_F(TextToolTest, APalettePressWhileTypingWritesTheTextInTheColourPickedAndEndsIt) {
  Open16(80, 40);
  Choose(dialog.sbText);
  auto expected = WithText("ab", Point(6, 6), clRed);
  Press(6, 6);
  Type("ab");
  const int entries = a.HistoryIndex();
  dialog.KPaletteMouseDown(dialog.KPalette, mbLeft, {}, 40, 24);  // entry 5: red
  ExpectImage(*expected);
  EXPECT_EQ(a.TextPos().X, -1);
  EXPECT_EQ(a.HistoryIndex(), entries + 1);
  Type("c");  // nothing is drawn until the next click
  dialog.sbMakeClick();
  ExpectImage(*expected);
  // A right press: the background colour changes, the text is written in the foreground colour.
  expected = WithText("d", Point(40, 6), clRed);
  Press(40, 6);
  Type("d");
  dialog.KPaletteMouseDown(dialog.KPalette, mbRight, {}, 8, 8);  // entry 0: black
  ExpectImage(*expected);
  EXPECT_EQ(a.BackColor(), clBlack);
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
  const int x = 10 + text->Canvas()->TextWidth("ab");
  std::vector<TPoint> expected;
  for (int y = 5; y < 5 + 19; ++y) expected.push_back(Point(x, y));
  EXPECT_EQ(caret(), expected);
  // The next tick removes it.
  dialog.tiTextTimer(dialog.tiText.get());
  EXPECT_TRUE(caret().empty());
}

TEST_F(TextToolTest, CtrlShortcutsActAndAreConsumed) {
  Press(10, 10);
  Type("abc");
  EXPECT_EQ(CtrlKey('Z'), 0);  // the typed text goes, the history stays
  EXPECT_EQ(a.Text(), "");
  EXPECT_EQ(a.TextPos().X, -1);
  EXPECT_EQ(a.HistoryIndex(), 0);
  Type("d");
  dialog.sbMakeClick();
  EXPECT_TRUE(Painted().empty());

  Press(10, 10);
  Type("e");
  Press(30, 10);  // written: entry 2
  ASSERT_EQ(a.HistoryIndex(), 2);
  EXPECT_EQ(CtrlKey('Z'), 0);
  EXPECT_EQ(a.HistoryIndex(), 1);
  EXPECT_TRUE(Painted().empty());
  EXPECT_EQ(CtrlKey('Z', true), 0);
  EXPECT_EQ(a.HistoryIndex(), 2);
  EXPECT_FALSE(Painted().empty());
  for (char letter : {'A', 'C', 'V'}) EXPECT_EQ(CtrlKey(letter), 0) << letter;
  // Other keys go on.
  EXPECT_EQ(CtrlKey('X'), 'X');
  Word plain = 'Z';
  dialog.FormKeyDown(&dialog, plain, {});
  EXPECT_EQ(plain, 'Z');
  EXPECT_EQ(a.HistoryIndex(), 2);
}

// Counts the key presses that reach a widget.
class KeyCounter : public QObject {
 public:
  int keys = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) ++keys;
    return false;
  }
};

TEST_F(TextToolTest, RealKeysAndAnInputMethodTypeIntoTheShownWindow) {
  dialog.Show();
  QApplication::processEvents();
  QTest::mouseClick(dialog.PaintBox, Qt::LeftButton, {}, QPoint(3, 8));
  ASSERT_EQ(a.TextPos(), Point(3, 8));
  QWidget* focus = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
  KeyCounter counter;
  focus->installEventFilter(&counter);
  auto typeKey = [&](const QString& text) {
    const char32_t c = text.toUcs4().front();
    const int key = c == U' ' ? Qt::Key_Space : static_cast<int>(QChar(c).toUpper().unicode());
    QTest::sendKeyEvent(QTest::Click, focus, Qt::Key(key), text, Qt::NoModifier);
  };
  for (const char* c : {"Æ", "r", "ø", " ", "€", "5", " ", "日", "x"}) typeKey(QString(c));
  QTest::keyClick(focus, Qt::Key_Backspace);
  QInputMethodEvent commit;
  commit.setCommitString("本");
  QApplication::sendEvent(focus, &commit);
  const std::string typed = "Ærø €5 日本";
  EXPECT_EQ(a.Text(), typed);
  EXPECT_EQ(counter.keys, 10);  // typing goes on to the focused control too

  auto expected = WithText(typed, Point(3, 8), clBlack);
  QTest::mouseClick(dialog.PaintBox, Qt::LeftButton, {}, QPoint(60, 30));
  ExpectImage(*expected);
  // The fallback faces drew the characters the form's face lacks.
  TCanvas* canvas = expected->Canvas();
  const int cjkLeft = 3 + canvas->TextWidth("Ærø €5 ");
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
