// The editor window's state: a fresh window, frames handed in and out, and
// the buttons of its button column.
#include "editor/dlg_pictor.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "host/toolkit/application.h"
#include "host/toolkit/screen.h"
#include "host/toolkit/test_hooks.h"
#include "resources/cursor_resources.h"
#include "tests/editor/dlg_pictor_access.h"
#include "tests/support/pattern_bitmap.h"

namespace pictor {
namespace {

using testing::PaletteSize;
using testing::PatternBitmap;

TEST(DlgPictor, AFreshWindowHoldsTheStartingImageWithPenZoomOneAndBlackOnWhite) {
  TdlgPictor dialog;
  TdlgPictorAccess a(dialog);
  EXPECT_EQ(a.Bitmap().Width(), 100);
  EXPECT_EQ(a.Bitmap().Height(), 100);
  EXPECT_EQ(a.Bitmap().PixelFormat(), pfDevice);
  EXPECT_EQ(PaletteSize(a.Bitmap()), 16u);
  EXPECT_TRUE(a.Shape().Empty());
  EXPECT_TRUE(a.PasteBitmap().Empty());
  EXPECT_EQ(a.Zoom(), 1);
  EXPECT_EQ(a.ForeColor(), clBlack);
  EXPECT_EQ(a.BackColor(), clWhite);
  EXPECT_TRUE(dialog.sbPen->Down());
  EXPECT_TRUE(dialog.sbZoom1->Down());
  EXPECT_FALSE(a.Modified());
  EXPECT_FALSE(a.MouseOverImage());
  EXPECT_FALSE(a.Selected());
  EXPECT_FALSE(a.Moving());
  EXPECT_EQ(a.EditedObject(), nullptr);
  EXPECT_EQ(a.StatusBar(), dialog.StatusBar1);
  EXPECT_EQ(a.TextFont().Name, "MS Sans Serif");
  EXPECT_TRUE(dialog.pnlImage->DoubleBuffered());
  // The history holds the starting image alone.
  EXPECT_EQ(a.History().Count(), 1);
  EXPECT_EQ(a.HistoryIndex(), 0);
  EXPECT_FALSE(dialog.sbUndo->Enabled());
  EXPECT_FALSE(dialog.sbRedo->Enabled());
  // Help: "Pictor.hlp" beside the running program, context 901.
  EXPECT_EQ(dialog.HelpFile, TApplication::ExeDir() + "Pictor.hlp");
  EXPECT_EQ(dialog.HelpContext(), 901);
  EXPECT_EQ(dialog.tiText->Interval(), 500);
}

TEST(DlgPictor, CreationRegistersTheEightPointersUnderTheirIds) {
  TdlgPictor dialog;
  const int registered[] = {crNoPointer, crMarquee, crLasso, crZoom,
                            crPen,       crSpray,   crFill,  crGetPixelColor};
  for (int id : registered) EXPECT_NE(Screen->Cursors(id), nullptr) << id;
  for (int id : {-104, -106, crText, crLine, crEllipse})
    EXPECT_EQ(Screen->Cursors(id), nullptr) << id;
  EXPECT_EQ(CursorInfo(Screen->Cursors(crZoom)).HotX, 18);
  EXPECT_EQ(CursorInfo(Screen->Cursors(crZoom)).HotY, 15);
}

TEST(DlgPictor, SetFrameStartsANewDocumentFromAnyBitmap) {
  TdlgPictor dialog;
  TdlgPictorAccess a(dialog);
  a.Modified() = true;
  a.Shape().SetSize(3, 3);
  auto frame = PatternBitmap(pf1bit, 21, 13);
  dialog.SetFrame(frame.get());

  EXPECT_EQ(a.Bitmap().PixelFormat(), pf1bit);
  EXPECT_EQ(PaletteSize(a.Bitmap()), 2u);  // its own palette, no standard one
  EXPECT_EQ(a.Bitmap().Width(), 21);
  EXPECT_EQ(a.Bitmap().Canvas()->Pixels(1, 0), clBlack);
  EXPECT_FALSE(a.Modified());
  EXPECT_TRUE(a.Shape().Empty());
  EXPECT_TRUE(dialog.sbMarquee->Down());
  EXPECT_EQ(dialog.pcShapes->ActivePage(), dialog.tsMarquee);
  EXPECT_EQ(a.History().Count(), 1);
  EXPECT_EQ(a.HistoryIndex(), 0);
  EXPECT_EQ(dialog.PaintBox->Width(), 21);

  // The window's copy is its own.
  frame->Canvas()->SetPixels(0, 0, clBlack);
  EXPECT_EQ(a.Bitmap().Canvas()->Pixels(0, 0), clWhite);
}

TEST(DlgPictor, SetFrameDropsThePreviousFramesTextAndStartsUnmodified) {
  TdlgPictor dialog;
  TdlgPictorAccess a(dialog);
  // Text typed at a place on the first frame, not yet written.
  dialog.sbText->SetDown(true);
  dialog.sbText->Click();
  dialog.PaintBoxMouseDown(dialog.PaintBox, mbLeft, {}, 2, 2);
  dialog.PaintBoxMouseUp(dialog.PaintBox, mbLeft, {}, 2, 2);
  std::string typed = "W";
  dialog.FormKeyPress(&dialog, typed);

  auto frame = PatternBitmap(pf24bit, 30, 20);
  dialog.SetFrame(frame.get());
  EXPECT_FALSE(a.Modified());
  EXPECT_EQ(a.History().Count(), 1);
  EXPECT_EQ(a.HistoryIndex(), 0);
  EXPECT_FALSE(dialog.CanUndo());
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x)
      ASSERT_EQ(a.Bitmap().Canvas()->Pixels(x, y), frame->Canvas()->Pixels(x, y)) << x << "," << y;
  EXPECT_TRUE(dialog.sbMarquee->Down());
}

TEST(DlgPictor, TheWindowCannotBeShrunkBelowItsDesignSize) {
  TdlgPictor dialog;
  const int width = dialog.Width();
  const int height = dialog.Height();
  dialog.Show();
  dialog.SetBounds(dialog.Left(), dialog.Top(), width / 2, height / 2);
  EXPECT_EQ(dialog.Width(), width);
  EXPECT_EQ(dialog.Height(), height);
}

TEST(DlgPictor, GetFrameReturnsTheWindowOwnBitmapWithTheMarqueeSelected) {
  TdlgPictor dialog;
  TdlgPictorAccess a(dialog);
  auto frame = PatternBitmap(pf8bit, 5, 5);
  dialog.SetFrame(frame.get());
  dialog.sbLasso->SetDown(true);
  dialog.pcShapes->SetActivePage(dialog.tsLasso);
  TBitmap* result = dialog.GetFrame();
  EXPECT_EQ(result, &a.Bitmap());
  EXPECT_EQ(result->Width(), 5);
  EXPECT_TRUE(dialog.sbMarquee->Down());
  EXPECT_EQ(dialog.pcShapes->ActivePage(), dialog.tsMarquee);
}

TEST(DlgPictor, AssignShapeMakesTheDocumentAnIndependentCopyOfThePreview) {
  TdlgPictor dialog;
  TdlgPictorAccess a(dialog);
  auto shape = PatternBitmap(pf4bit, 7, 3);
  a.Shape().Assign(shape.get());
  dialog.AssignShape();
  EXPECT_EQ(a.Bitmap().Width(), 7);
  EXPECT_EQ(a.Bitmap().PixelFormat(), pf4bit);
  a.Shape().Canvas()->SetPixels(0, 0, clBlack);
  EXPECT_EQ(a.Bitmap().Canvas()->Pixels(0, 0), clWhite);
}

TEST(DlgPictor, TheButtonColumnEndsTheWindowWithItsResult) {
  struct Case {
    TButton* (*button)(TdlgPictor&);
    int result;
  } cases[] = {{[](TdlgPictor& d) -> TButton* { return d.btOK; }, 1},
               {[](TdlgPictor& d) -> TButton* { return d.btCancel; }, 2},
               {[](TdlgPictor& d) -> TButton* { return d.btClear; }, 5},
               {[](TdlgPictor& d) -> TButton* { return d.btLoadFile; }, 6}};
  for (const Case& c : cases) {
    TdlgPictor dialog;
    test_hooks::ScriptFileDialog(std::nullopt);  // "&File..." is cancelled
    test_hooks::ScriptModal([&](TForm&) { c.button(dialog)->Click(); });
    EXPECT_EQ(dialog.ShowModal(), c.result);
    test_hooks::ClearScripts();
  }
}

TEST(DlgPictor, HelpOpensPictorHlpBesideTheProgram) {
  const std::string helpFile = TApplication::ExeDir() + "Pictor.hlp";
  TdlgPictor dialog;
  test_hooks::CaptureHelp(true);
  std::string missingError;
  test_hooks::ScriptModal([&](TForm&) {
    // No help file yet: the help system's error.
    try {
      dialog.btHelpClick(dialog.btHelp);
    } catch (const EHelpError& e) {
      missingError = e.what();
    }
    std::ofstream(helpFile) << "help";
    dialog.btHelpClick(dialog.btHelp);
    std::remove(helpFile.c_str());
  });
  dialog.ShowModal();
  test_hooks::CaptureHelp(false);
  EXPECT_NE(missingError.find(helpFile), std::string::npos) << missingError;
  EXPECT_EQ(test_hooks::TakeHelpFiles(), std::vector<std::string>{helpFile});
}

TEST(DlgPictor, TheAboutButtonShowsTheAboutBoxModally) {
  TdlgPictor dialog;
  std::string shown;
  test_hooks::ScriptModal([&](TForm& form) {
    shown = form.ClassName();
    form.SetModalResult(mrOk);
  });
  dialog.sbAbout->Click();
  EXPECT_EQ(shown, "TFormAbout");
}

}  // namespace
}  // namespace pictor
