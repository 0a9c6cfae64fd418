// TdlgPictor: the modal editor window. It holds the document (the working
// bitmap FBitmap) and every piece of editing state. The class is one, but its
// methods live in files named by concern: dlg_pictor.cpp (construction and
// event wiring), form_state.cpp (creation, frames, the button column),
// view.cpp (drawing the view and the zoom), history.cpp (undo and redo),
// edit_picture_property.cpp (the "&File..." button), tools.cpp (choosing a
// tool and its options; the tools themselves are the rows of tool_table.cpp,
// the option values those of tool_options.h), pointer_dispatch.cpp (the paint
// box's mouse events), freehand.cpp (pen, eraser, brush, spray, fill, colour
// picker), shapes.cpp (lines, curves and figures), selection.cpp (the
// selection shared by the marquee and the lasso, and the marquee), lasso.cpp
// (the lasso), select_all.cpp (Select all and Ctrl+A), clipboard.cpp (Copy
// and Paste), text.cpp (the text tool), text_keys.cpp (typing and the
// shortcuts), colours.cpp (the colour strip) and files.cpp (new image, load,
// save and the image attributes).
#pragma once

#include <array>
#include <limits>
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

struct TTool;
enum class TToolShape;

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
  // Makes the working bitmap a copy of FShape.
  void AssignShape();
  // Selects the marquee tool.
  void PressDefaultButton();

  // The view and the zoom.
  void Draw();
  void Zoom();
  void sbZoomScaleClick(TObject* Sender);
  void ScrollBoxMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  // The tip preview and the status line's position vanish.
  void PaintBoxMouseLeave(TObject* Sender);
  void PaintBoxPaint(TObject* Sender);
  // The zoom tool's press: the first zoom factor becomes the second, any
  // other the first, with its button down.
  void ToggleZoom();

  // The history.
  void ClearHistory();
  // Empties the history, nothing shown.
  void ForgetHistory();
  void InitializeHistory();
  void AddToHistory();
  void Undo();
  void Redo();
  bool CanUndo() const;
  bool CanRedo() const;
  void sbUndoClick(TObject* Sender);
  void sbRedoClick(TObject* Sender);
  // Snapshots the history holds at most; the first is never dropped.
  static constexpr int kHistoryCapacity = 19;

  // Choosing a tool and its options.
  void sbClick(TObject* Sender);
  void tsHide(TObject* Sender);
  void sbMakeClick();
  void sbEraserClick(TObject* Sender);
  void sbBrushClick(TObject* Sender);
  void sbLineClick(TObject* Sender);
  void sbRectangleClick(TObject* Sender);
  void SetPenWidth();
  void SetRectangleStyle();

  // The paint box's pointer handlers and the drawing tools.
  void PaintBoxMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void PaintBoxMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void PaintBoxMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void PaintBoxDblClick(TObject* Sender);
  void Spray(int X, int Y, TColor Color);
  void SetShape();
  void SetColoredShape();
  void DrawColoredShape(int X, int Y);
  static bool InRectangle(int X, int Y, int X1, int Y1, int X2, int Y2);

  // The selection. DrawSelection and DrawSelectionLasso draw it moved to
  // (X, Y) relative to FDragStart, or with X = kNoNewPosition where it was
  // last drawn; DrawSelectionBorder draws the dotted border of FSelRect moved
  // the same way.
  static constexpr int kNoNewPosition = std::numeric_limits<int>::min();
  void DrawSelection(TMouseButton Button, int X, int Y);
  void DrawSelectionBorder(int X, int Y);
  void DrawSelectionLasso(TMouseButton Button, int X, int Y);
  // FSelRect and the lift rectangle become the lasso outline's bounding box.
  void SetLassoRectangle();
  // Drops the selection and selects the whole image, with a border.
  void SelectAll();
  void sbSelectAllClick(TObject* Sender);
  // Ctrl+A: the whole image selected without a border, FModified unchanged.
  void SelectAllByKey();

  // The clipboard.
  void btCopyClick(TObject* Sender);
  void btPasteClick(TObject* Sender);

  // The text tool and the keyboard.
  void DrawText_(TBitmap* Bitmap);
  void tiTextTimer(TObject* Sender);
  void sbFontClick(TObject* Sender);
  // Key is one whole character in UTF-8.
  void FormKeyPress(TObject* Sender, std::string& Key);
  void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);

  // The colour strip and the two colours.
  void SetColorPalette();
  void KPaletteMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void KPaletteMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

  // The file commands.
  void btNewClick(TObject* Sender);
  void btLoadClick(TObject* Sender);
  void btSaveClick(TObject* Sender);
  void btAttributesClick(TObject* Sender);

 private:
  friend bool EditPictureProperty(TObject* Obj);
  friend struct TdlgPictorAccess;       // tests
  friend struct TdlgPictorToolsAccess;  // tests

  // Entries of the point list FPoints (and of FLassoOrigin).
  static constexpr int kPointListSize = 1001;
  // The points a lasso outline holds at most.
  static constexpr int kLassoPointLimit = kPointListSize - 1;
  // The last index of FPoints a polygon vertex may take.
  static constexpr int kLastPolygonIndex = kPointListSize - 1;

  void WireEvents();
  void RegisterPointers();

  // The view.
  TPoint ImagePoint(int X, int Y) const;
  void ShowZoomFactor();

  // The history.
  void UpdateHistoryButtons();

  // The tools.
  const TTool& CurrentTool() const;
  void ChooseTool(const TTool& tool);
  void ApplyToolOptions(const TTool& tool);
  void FinishStep();
  void PullStroke(int& X, int& Y);
  void FreehandPress(const TTool& tool, TMouseButton Button, TPoint P);
  void StampTip(TMouseButton Button, TPoint P, TColor left, TColor right);
  void PenPress(TMouseButton Button, TPoint P, TColor left, TColor right);
  void SprayPress(TMouseButton Button, TPoint P, TColor left, TColor right);
  void FillPress(TMouseButton Button, TPoint P);
  void PickColorPress(TMouseButton Button, TPoint P);
  void ShowPixelColor(TPoint P);
  void ShowTipAt(int X, int Y);
  void LoadTip();
  TSpeedButton* ChosenTipButton() const;

  // The shapes.
  void ResetPreview();
  void ResetPreviewOutside(const TRect& a, const TRect& b);
  // Whether the preview equals the working bitmap outside its changed rectangle.
  bool PreviewInStep() const;
  void MatchPreview(const TBitmap& from, TBitmap& to);
  void PreparePreview(TMouseButton Button, bool filled);
  void SetFigureStyle();
  void CommitShape();
  void LineStep(TObject* Sender, TMouseButton Button, TPoint P);
  void FigureStep(TObject* Sender, TMouseButton Button, TPoint P, const TTool& tool);
  void CurveStep(TObject* Sender, TMouseButton Button, TPoint P);
  void CurveRelease(TPoint P);
  void PolygonStep(TObject* Sender, TMouseButton Button, TPoint P);
  void PolygonRelease(TPoint P);
  void PolygonDoubleClick();
  void ClosePolygon(int count);

  // The selection.
  void SelectionStep(TObject* Sender, TMouseButton Button, TPoint P);
  void SelectionHover(TPoint P, const TTool& tool);
  void SelectionRelease(TMouseButton Button, TPoint P);
  bool OnSelection(TPoint P) const;
  TColor VacatedColor(TMouseButton Button) const;
  void MarqueePress(TMouseButton Button, TPoint P);
  void MarqueeDragStep(TMouseButton Button, TPoint P);
  void MarqueeRelease(TMouseButton Button, TPoint P);
  void StretchMarquee(TPoint P);
  void MoveMarquee(TMouseButton Button, TPoint P);
  void EraseSelectionBorder();
  void LassoPress(TMouseButton Button, TPoint P);
  void LassoDragStep(TMouseButton Button, TPoint P);
  void LassoRelease(TMouseButton Button, TPoint P);
  void ExtendLasso(TMouseButton Button, TPoint P);
  void AppendLassoPoint(TPoint P);
  void MoveLasso(TMouseButton Button, TPoint P);
  // Commits the selection in the form of its tool (Rectangle: marquee or
  // paste, Freeform: lasso) with one history entry, and ends it.
  void DropSelection(TMouseButton Button, TToolShape form);
  void CommitSelectionArea();
  // Ends the selection without committing it (New, Load, choosing a
  // selection tool): nothing selected, nothing floating, no outline, no
  // preview.
  void ForgetSelection();
  void SwitchToMarquee();
  bool SelectionMoved() const;
  void SelectWholeImage();

  // The text.
  void TextClick(TMouseButton Button, TPoint P);
  void ResetText();
  // The typed text drawn afresh on a new copy of the working bitmap.
  void RedrawText();

  // The file commands.
  void PrepareFileDialogs();
  void TakeDocument(std::unique_ptr<TBitmap> image);
  void ResetDocument();

  // The document.
  TObject* FEditedObject = nullptr;
  std::unique_ptr<TBitmap> FBitmap;
  bool FModified = false;

  // The view.
  int FZoom = 0;
  bool FMouseOverImage = false;
  TStatusBar* FStatusBar = nullptr;

  // The tools: the two colours, the option values and the stroke.
  TColor FForeColor = 0;
  TColor FBackColor = 0;
  TColor FShapeColor = 0;
  int FPenWidth = 0;
  TBrushStyle FBrushStyle = bsSolid;
  bool FTwoColorFill = false;
  TPoint FLastPoint;

  // The shapes: the preview (or the eraser's and brush's tip) and where the
  // view shows it, and the figure's points.
  std::unique_ptr<TBitmap> FShape;
  // The working bitmap's ChangeCount() when the preview last equalled it.
  std::uint64_t FPreviewBasis = ~std::uint64_t{0};
  TRect FShapeRect;
  TPoint FStartPoint;
  TPoint FEndPoint;
  std::array<TPoint, kPointListSize> FPoints{};
  int FPointCount = 0;

  // The selection.
  bool FSelected = false;
  TRect FSelRect;
  bool FMoving = false;
  TPoint FDragStart;
  TRect FSourceRect;
  TRect FDestRect;
  bool FLassoInverted = false;
  // The moved marquee as the preview shows it: drawn with these rectangles
  // and vacated colour, its border on `border`, and nothing else drawn on the
  // preview since (its change count then). Lets the drop mend the border alone.
  struct TShownSelection {
    TRect source, dest, border;
    TColor vacated = clBlack;
    std::uint64_t count = ~std::uint64_t{0};
  } FShownSelection;
  std::array<TPoint, kPointListSize> FLassoOrigin{};
  std::unique_ptr<TBitmap> FPasteBitmap;

  // The text.
  std::string FText;
  TPoint FTextPos;
  bool FCaretShown = false;
  std::unique_ptr<TFont> FTextFont;

  // The history.
  std::unique_ptr<THistoryList> FHistory;
  int FHistoryIndex = 0;
};

}  // namespace pictor
