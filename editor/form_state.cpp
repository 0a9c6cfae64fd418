// The window's life: creation and destruction of the document state, frames
// handed in and out, and the button column.
#include "about/about_box.h"
#include "attributes/standard_palettes.h"
#include "editor/copy_bitmap.h"
#include "editor/dlg_pictor.h"
#include "editor/history_budget.h"
#include "editor/random.h"
#include "editor/tool_options.h"
#include "editor/tool_table.h"
#include "host/toolkit/application.h"
#include "host/toolkit/screen.h"
#include "resources/cursor_resources.h"

namespace pictor {
namespace {

constexpr int kHelpContext = 901;
// The side of the image a window starts with, before a picture is taken in.
constexpr int kStartingImageSize = 100;

}  // namespace

void TdlgPictor::RegisterPointers() {
  // A pointer that cannot be loaded leaves its id to the default arrow.
  for (const CursorResource& pointer : kCursorResources)
    Screen->SetCursor(pointer.id, LoadCursor(std::string(pointer.name)));
}

void TdlgPictor::FormCreate(TObject*) {
  FStatusBar = StatusBar1;
  Randomize();
  HelpFile = TApplication::ExeDir() + "Pictor.hlp";
  SetHelpContext(kHelpContext);
  RegisterPointers();
  FHistory = std::make_unique<THistoryList>(kHistoryCapacity, HistoryBudget());
  FMouseOverImage = false;
  FSelected = false;
  FMoving = false;
  pnlImage->SetDoubleBuffered(true);
  FBitmap = std::make_unique<TBitmap>();
  FBitmap->SetWidth(kStartingImageSize);
  FBitmap->SetHeight(kStartingImageSize);
  FBitmap->SetPalette(Palette16());
  FShape = std::make_unique<TBitmap>();
  FPasteBitmap = std::make_unique<TBitmap>();
  FTextFont = std::make_unique<TFont>();  // the form's font
  FForeColor = clBlack;
  FBackColor = clWhite;
  SetColorPalette();
  FZoom = kZoomOptions[0].factor;
  sbClick(sbPen);
  InitializeHistory();
}

void TdlgPictor::FormDestroy(TObject*) {
  // The view must not show bitmaps that are about to go.
  PaintBox->Canvas()->Clear();
  // The history first: its first entry reads the working bitmap's pixels,
  // which would otherwise be copied for it as the bitmap goes.
  if (FHistory) ClearHistory();
  FHistory.reset();
  FBitmap.reset();
  FShape.reset();
  FPasteBitmap.reset();
  FTextFont.reset();
}

void TdlgPictor::FormShow(TObject*) { Draw(); }

void TdlgPictor::FormPaint(TObject*) { Draw(); }

void TdlgPictor::SetFrame(TBitmap* Bitmap) {
  // The previous frame's pending selection and text are dropped, so the tool
  // switch below commits nothing onto the new frame.
  ForgetSelection();
  ResetText();
  ForgetHistory();  // before the old frame's pixels, which its first entry reads, go
  CopyBitmap(Bitmap, FBitmap.get());
  FShape->Assign(nullptr);
  SetColorPalette();
  PressDefaultButton();
  // After the tool switch, whose page leave step may record an entry and
  // mark the image modified: the new frame starts unmodified, its history
  // holding it alone.
  InitializeHistory();
  FModified = false;
  Draw();
}

TBitmap* TdlgPictor::GetFrame() {
  if (CurrentTool().family == TToolFamily::Selection) {
    tsHide(pcShapes->ActivePage());
    sbPen->SetDown(true);
    sbPen->Click();
    pcShapes->SetActivePage(tsPen);
  }
  PressDefaultButton();
  return FBitmap.get();
}

void TdlgPictor::PressDefaultButton() {
  sbMarquee->SetDown(true);
  sbMarquee->Click();
  pcShapes->SetActivePage(tsMarquee);
}

void TdlgPictor::btOKClick(TObject*) { tsHide(pcShapes->ActivePage()); }

void TdlgPictor::btCancelClick(TObject*) {}

void TdlgPictor::btHelpClick(TObject*) { Application->HelpContext(HelpContext()); }

void TdlgPictor::sbAboutClick(TObject*) {
  TFormAbout about;
  about.ShowModal();
}

}  // namespace pictor
