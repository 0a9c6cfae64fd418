#include "editor/dlg_pictor.h"

namespace pictor {

TdlgPictor::TdlgPictor() {
  setupUi(this);
  tiText = std::make_unique<TTimer>();
  tiText->SetInterval(500);
  FontDialog1 = std::make_unique<TFontDialog>();
  FontDialog1->Options = {fdForceFontExist};
  OpenDialog = std::make_unique<TOpenPictureDialog>();
  SaveDialog = std::make_unique<TSavePictureDialog>();
  SaveDialog->Options = {ofOverwritePrompt, ofHideReadOnly, ofEnableSizing};
  WireEvents();
  DoCreate();
}

TdlgPictor::~TdlgPictor() {
  tiText->SetOnTimer(nullptr);
  DoDestroy();
}

// Every event of the window, in one place. Handlers of the tools still to
// come are wired here as they arrive.
void TdlgPictor::WireEvents() {
  auto notify = [this](void (TdlgPictor::*handler)(TObject*)) {
    return [this, handler](TObject* Sender) { (this->*handler)(Sender); };
  };
  OnCreate = notify(&TdlgPictor::FormCreate);
  OnDestroy = notify(&TdlgPictor::FormDestroy);
  OnShow = notify(&TdlgPictor::FormShow);
  OnPaint = notify(&TdlgPictor::FormPaint);

  for (TSpeedButton* tool :
       {sbMarquee, sbLasso, sbZoom, sbEraser, sbPen, sbBrush, sbSpray, sbText, sbFill,
        sbGetPixelColor, sbLine, sbCurve, sbRectangle, sbPolygon, sbRoundRectangle, sbEllipse})
    tool->OnClick = notify(&TdlgPictor::sbClick);
  for (int i = 0; i < pcShapes->PageCount(); ++i)
    pcShapes->Pages(i)->OnHide = notify(&TdlgPictor::tsHide);
  for (TSpeedButton* scale : {sbZoom1, sbZoom2, sbZoom3, sbZoom4})
    scale->OnClick = notify(&TdlgPictor::sbZoomScaleClick);

  auto moveOffImage = [this](TObject* Sender, TShiftState Shift, int X, int Y) {
    ScrollBoxMouseMove(Sender, Shift, X, Y);
  };
  ScrollBox->OnMouseMove = moveOffImage;
  pnlTools->OnMouseMove = moveOffImage;
  PaintBox->OnPaint = notify(&TdlgPictor::PaintBoxPaint);

  btOK->OnClick = notify(&TdlgPictor::btOKClick);
  btCancel->OnClick = notify(&TdlgPictor::btCancelClick);
  btLoadFile->OnClick = notify(&TdlgPictor::btLoadFileClick);
  btHelp->OnClick = notify(&TdlgPictor::btHelpClick);
  sbUndo->OnClick = notify(&TdlgPictor::sbUndoClick);
  sbRedo->OnClick = notify(&TdlgPictor::sbRedoClick);
  sbAbout->OnClick = notify(&TdlgPictor::sbAboutClick);
  tiText->SetOnTimer(notify(&TdlgPictor::tiTextTimer));
  WireToolEvents();
}

}  // namespace pictor
