#include "editor/dlg_pictor.h"

#include "editor/tool_options.h"
#include "editor/tool_table.h"

namespace pictor {
namespace {

// The text caret blinks: it is drawn or removed every half second.
constexpr int kCaretIntervalMs = 500;

}  // namespace

TdlgPictor::TdlgPictor() {
  setupUi(this);
  tiText = std::make_unique<TTimer>();
  tiText->SetInterval(kCaretIntervalMs);
  FontDialog1 = std::make_unique<TFontDialog>();
  FontDialog1->Options = {fdForceFontExist};
  OpenDialog = std::make_unique<TOpenPictureDialog>();
  SaveDialog = std::make_unique<TSavePictureDialog>();
  SaveDialog->Options = {ofOverwritePrompt, ofHideReadOnly, ofEnableSizing};
  PrepareFileDialogs();
  WireEvents();
  DoCreate();
}

TdlgPictor::~TdlgPictor() {
  tiText->SetOnTimer(nullptr);
  DoDestroy();
}

// Every event of the window, in one place.
void TdlgPictor::WireEvents() {
  OnCreate = Handler(this, &TdlgPictor::FormCreate);
  OnDestroy = Handler(this, &TdlgPictor::FormDestroy);
  OnShow = Handler(this, &TdlgPictor::FormShow);
  OnPaint = Handler(this, &TdlgPictor::FormPaint);
  OnKeyDown = Handler(this, &TdlgPictor::FormKeyDown);
  OnKeyChar = Handler(this, &TdlgPictor::FormKeyPress);

  // The tools and their option pages.
  for (const TTool& tool : ToolTable()) (this->*tool.button)->OnClick = Handler(this, &TdlgPictor::sbClick);
  for (int i = 0; i < pcShapes->PageCount(); ++i)
    pcShapes->Pages(i)->OnHide = Handler(this, &TdlgPictor::tsHide);
  for (const TZoomOption& zoom : kZoomOptions)
    (this->*zoom.button)->OnClick = Handler(this, &TdlgPictor::sbZoomScaleClick);
  sbZoom4->OnClick = Handler(this, &TdlgPictor::sbZoomScaleClick);  // keeps the factor
  for (const TTipOption& tip : kEraserTips)
    (this->*tip.button)->OnClick = Handler(this, &TdlgPictor::sbEraserClick);
  for (const TTipOption& tip : kBrushTips)
    (this->*tip.button)->OnClick = Handler(this, &TdlgPictor::sbBrushClick);
  for (const TPenWidthOption& width : kPenWidths)
    (this->*width.button)->OnClick = Handler(this, &TdlgPictor::sbLineClick);
  for (const TFigureStyleOption& style : kFigureStyles)
    (this->*style.button)->OnClick = Handler(this, &TdlgPictor::sbRectangleClick);

  sbFont->OnClick = Handler(this, &TdlgPictor::sbFontClick);

  // The colour strip.
  KPalette->OnMouseDown = Handler(this, &TdlgPictor::KPaletteMouseDown);
  KPalette->OnMouseMove = Handler(this, &TdlgPictor::KPaletteMouseMove);

  // The view.
  ScrollBox->OnMouseMove = Handler(this, &TdlgPictor::ScrollBoxMouseMove);
  pnlTools->OnMouseMove = Handler(this, &TdlgPictor::ScrollBoxMouseMove);
  PaintBox->OnPaint = Handler(this, &TdlgPictor::PaintBoxPaint);
  PaintBox->OnMouseLeave = Handler(this, &TdlgPictor::PaintBoxMouseLeave);
  PaintBox->OnMouseDown = Handler(this, &TdlgPictor::PaintBoxMouseDown);
  PaintBox->OnMouseMove = Handler(this, &TdlgPictor::PaintBoxMouseMove);
  PaintBox->OnMouseUp = Handler(this, &TdlgPictor::PaintBoxMouseUp);
  PaintBox->OnDblClick = Handler(this, &TdlgPictor::PaintBoxDblClick);

  // The buttons and the text caret.
  btOK->OnClick = Handler(this, &TdlgPictor::btOKClick);
  btCancel->OnClick = Handler(this, &TdlgPictor::btCancelClick);
  btLoadFile->OnClick = Handler(this, &TdlgPictor::btLoadFileClick);
  btHelp->OnClick = Handler(this, &TdlgPictor::btHelpClick);
  sbSelectAll->OnClick = Handler(this, &TdlgPictor::sbSelectAllClick);
  sbCopy->OnClick = Handler(this, &TdlgPictor::btCopyClick);
  sbPaste->OnClick = Handler(this, &TdlgPictor::btPasteClick);
  sbUndo->OnClick = Handler(this, &TdlgPictor::sbUndoClick);
  sbRedo->OnClick = Handler(this, &TdlgPictor::sbRedoClick);
  sbAbout->OnClick = Handler(this, &TdlgPictor::sbAboutClick);
  sbNew->OnClick = Handler(this, &TdlgPictor::btNewClick);
  sbLoad->OnClick = Handler(this, &TdlgPictor::btLoadClick);
  sbSave->OnClick = Handler(this, &TdlgPictor::btSaveClick);
  sbAttributes->OnClick = Handler(this, &TdlgPictor::btAttributesClick);
  tiText->SetOnTimer(Handler(this, &TdlgPictor::tiTextTimer));
}

}  // namespace pictor
