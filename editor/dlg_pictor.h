// TdlgPictor: the modal editor window. It holds the document (the working
// bitmap FBitmap) and every piece of editing state. The class is one, but its
// methods live in files named by concern: dlg_pictor.cpp (construction and
// event wiring), form_state.cpp (creation, frames, the button column),
// view.cpp (drawing the view and the zoom), history.cpp (undo and redo),
// edit_picture_property.cpp (the "&File..." button), tools.cpp (tool
// selection and options), pointer_dispatch.cpp (the paint box's mouse
// events), freehand.cpp (pen, eraser, brush, spray, fill, colour picker,
// zoom), shapes.cpp (lines, curves and figures), later_tools.cpp and
// later_selection.cpp (what the colour strip, text and selection tools still
// to come will fill in).
#pragma once

#include <array>
#include <memory>
#include <string>

#include "editor/history_list.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/font.h"
#include "host/toolkit/dialogs.h"
#include "host/toolkit/form.h"
#include "host/toolkit/timer.h"
#include "ui_dlg_pictor.h"

namespace pictor {

class TdlgPictor : public TForm, public Ui::dlgPictor {
 public:
  // Builds the window from its form description, wires the events and runs
  // FormCreate.
  TdlgPictor();
  // Runs FormDestroy first.
  ~TdlgPictor() override;
  const char* ClassName() const override { return "TdlgPictor"; }

  // Non-visual components.
  std::unique_ptr<TTimer> tiText;
  std::unique_ptr<TFontDialog> FontDialog1;
  std::unique_ptr<TOpenPictureDialog> OpenDialog;
  std::unique_ptr<TSavePictureDialog> SaveDialog;

  // The window and its button column.
  void FormCreate(TObject* Sender);
  void FormDestroy(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormPaint(TObject* Sender);
  void btOKClick(TObject* Sender);
  void btCancelClick(TObject* Sender);
  void btHelpClick(TObject* Sender);
  void btLoadFileClick(TObject* Sender);
  void sbAboutClick(TObject* Sender);

  // A caller that creates the window itself: SetFrame before showing it,
  // GetFrame after it closed (the bitmap stays the window's).
  void SetFrame(TBitmap* Bitmap);
  TBitmap* GetFrame();

  // The view and the zoom.
  void Draw();
  void Zoom();
  void sbZoomScaleClick(TObject* Sender);
  void ScrollBoxMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void PaintBoxPaint(TObject* Sender);
  // The zoom tool's press: 1 becomes 5, anything else 1, with its button down.
  void ToggleZoom();

  // The history.
  void ClearHistory();
  void InitializeHistory();
  void AddToHistory();
  void Undo();
  void Redo();
  bool CanUndo() const;
  bool CanRedo() const;
  void sbUndoClick(TObject* Sender);
  void sbRedoClick(TObject* Sender);

  // Tool selection, colours and text: filled in by the tools still to come.
  void sbClick(TObject* Sender);
  void tsHide(TObject* Sender);
  void SetColorPalette();
  void DrawText_(TBitmap* Bitmap);
  void tiTextTimer(TObject* Sender);

  // Makes the working bitmap a copy of FShape.
  void AssignShape();
  // Selects the marquee tool.
  void PressDefaultButton();

  // Snapshots the history holds at most; the first is never dropped.
  static constexpr int kHistoryCapacity = 19;

  // Tool options, the pointer handlers of the paint box and the drawing tools
  // (tools.cpp, pointer_dispatch.cpp, freehand.cpp, shapes.cpp).
  void sbMakeClick();
  void sbEraserClick(TObject* Sender);
  void sbBrushClick(TObject* Sender);
  void sbLineClick(TObject* Sender);
  void sbRectangleClick(TObject* Sender);
  void SetPenWidth();
  void SetRectangleStyle();
  void PaintBoxMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void PaintBoxMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void PaintBoxMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void PaintBoxDblClick(TObject* Sender);
  void Spray(int X, int Y, TColor Color);
  void SetShape();
  void SetColoredShape();
  void DrawColoredShape(int X, int Y);
  static bool InRectangle(int X, int Y, int X1, int Y1, int X2, int Y2);
  // Finishing a selection: filled in by the selection tools still to come.
  void DrawSelection(TMouseButton Button, int X, int Y);
  void DrawSelectionLasso(TMouseButton Button, int X, int Y);

 private:
  friend bool EditPictureProperty(TObject* Obj);
  friend struct TdlgPictorAccess;  // tests

  void WireEvents();
  void RegisterPointers();
  // One of the nine tools whose unfinished work lives in FShape is current.
  bool PreviewToolDown() const;
  void UpdateHistoryButtons();

  TObject* FEditedObject = nullptr;
  std::unique_ptr<TBitmap> FBitmap;
  std::unique_ptr<TBitmap> FShape;
  std::unique_ptr<TBitmap> FPasteBitmap;
  int FZoom = 0;
  TColor FForeColor = 0;
  TColor FBackColor = 0;
  TRect FShapeRect;
  TColor FShapeColor = 0;
  bool FMouseOverImage = false;
  bool FSelected = false;
  TRect FSelRect;
  bool FMoving = false;
  bool FLassoInverted = false;
  TPoint FStartPoint;
  TPoint FEndPoint;
  int FPenWidth = 0;
  TPoint FDragStart;
  TPoint FLastPoint;
  TBrushStyle FBrushStyle = bsSolid;
  bool FTwoColorFill = false;
  std::array<TPoint, 1001> FPoints{};
  std::array<TPoint, 1001> FLassoOrigin{};
  int FPointCount = 0;
  TRect FSourceRect;
  TRect FDestRect;
  int FHistoryIndex = 0;
  bool FCaretShown = false;
  std::string FText;
  TPoint FTextPos;
  std::unique_ptr<TFont> FTextFont;
  std::unique_ptr<THistoryList> FHistory;
  bool FModified = false;
  TStatusBar* FStatusBar = nullptr;

  // The tools: wiring, the steps of choosing a tool and the branches of the
  // pointer handlers.
  friend struct TdlgPictorToolsAccess;  // tests
  // The last index of FPoints a polygon vertex may take.
  static constexpr int kLastPolygonIndex = 1000;
  void WireToolEvents();
  void RunChooseStep(int step);
  TPoint ImagePoint(int X, int Y) const;
  void PullStroke(int& X, int& Y);
  void FinishStep();
  void StampTip(TMouseButton Button, TPoint P, TColor left, TColor right);
  void PenPress(TMouseButton Button, TPoint P);
  void SprayPress(TMouseButton Button, TPoint P);
  void FillPress(TMouseButton Button, TPoint P);
  void PickColorPress(TMouseButton Button, TPoint P);
  void ShowPixelColor(TPoint P);
  TSpeedButton* ChosenTipButton() const;
  void PreparePreview(TMouseButton Button, bool filled);
  void SetFigureStyle();
  void CommitShape();
  void LineStep(TObject* Sender, TMouseButton Button, TPoint P);
  void FigureStep(TObject* Sender, TMouseButton Button, TPoint P);
  void CurveStep(TObject* Sender, TMouseButton Button, TPoint P);
  void CurveRelease(TPoint P);
  void PolygonStep(TObject* Sender, TMouseButton Button, TPoint P);
  void PolygonRelease(TPoint P);
  void PolygonDoubleClick();
  void ClosePolygon(int count);
};

}  // namespace pictor
