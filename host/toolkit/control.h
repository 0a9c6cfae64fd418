// TControl: what every control of the toolkit shares. Each control class
// derives from the matching Qt widget and from TControl (a TObject), so an
// event's Sender is the control itself and handlers compare it with their
// control fields.
//
// Properties in form descriptions (.ui files; uic calls the lower-case
// setters, code uses the capitalised ones such as SetDown; each is also a
// Q_PROPERTY of the classes named):
//   every control          Tag (int, setTag), Align (int 0 none, 1 top, 2 bottom, 3 left,
//                          4 right, 5 client; setAlign), Color (int TColor, setColor);
//                          Qt's own geometry, toolTip (the Hint), enabled, visible
//   TSpeedButton           GroupIndex, Down, AllowAllUp, Flat, NumGlyphs, Glyph (a Qt
//                          resource path such as ":/glyphs/pen.bmp"), Caption via Qt's text
//   TButton, TBitBtn       ModalResult, Default, Cancel; TBitBtn also Glyph, NumGlyphs
//   TPanel                 BevelOuter, BevelInner (0 none, 1 lowered, 2 raised), DoubleBuffered,
//                          Caption
//   TTabSheet              TabVisible (the page's caption is the QTabWidget tab text)
//   TStatusBar             SimpleText
//   TRadioGroup            Items (string list), ItemIndex, Columns
//   TForm                  KeyPreview, HelpContext, ModalResult; Qt's windowTitle is the Caption
// Timers and dialogs are not in form descriptions; code creates them.
#pragma once

#include <string>

#include <QString>
#include <QWidget>

#include "host/graphics/color.h"
#include "host/graphics/geometry.h"
#include "host/toolkit/events.h"

class QMouseEvent;
class QKeyEvent;

namespace pictor {

// Align values.
inline constexpr int alNone = 0;
inline constexpr int alTop = 1;
inline constexpr int alBottom = 2;
inline constexpr int alLeft = 3;
inline constexpr int alRight = 4;
inline constexpr int alClient = 5;

// System colours: their TColor values as the toolkit paints them.
inline constexpr TColor clBtnFace = 0xF0F0F0;
inline constexpr TColor clBtnShadow = 0xA0A0A0;
inline constexpr TColor clBtnHighlight = 0xFFFFFF;
inline constexpr TColor clAppWorkSpace = 0xABABAB;
inline constexpr TColor clWindow = 0xFFFFFF;

class TControl : public TObject {
 public:
  explicit TControl(QWidget* widget);
  ~TControl() override;

  QWidget* Widget() const { return widget_; }

  int Tag() const { return tag_; }
  void SetTag(int value) { tag_ = value; }
  void setTag(int value) { SetTag(value); }

  std::string Hint() const;
  void SetHint(const std::string& hint);
  bool Enabled() const;
  void SetEnabled(bool value);
  bool Visible() const;
  void SetVisible(bool value);

  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int value);
  void SetTop(int value);
  void SetWidth(int value);
  void SetHeight(int value);
  void SetBounds(int left, int top, int width, int height);
  int ClientWidth() const;
  int ClientHeight() const;
  void SetClientWidth(int value);
  void SetClientHeight(int value);
  TRect ClientRect() const { return TRect{0, 0, ClientWidth(), ClientHeight()}; }
  // The top-left corner of the client area in screen pixels.
  TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;

  // A cursor id of the screen's registry (screen.h); unknown ids show the arrow.
  int Cursor() const { return cursor_; }
  void SetCursor(int id);
  // Shows the registry's current pointer for Cursor() again (after the registry changed).
  void RefreshCursor();

  int Align() const { return align_; }
  void SetAlign(int value);
  void setAlign(int value) { SetAlign(value); }

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  void setColor(int value) { SetColor(value); }

  bool Focused() const;
  void SetFocus();
  void Invalidate();
  void Repaint();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyCharEvent OnKeyChar;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  // The dispatch methods behind the events; controls of other folders
  // override them. Each runs its event.
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void KeyDown(Word& Key, TShiftState Shift);
  virtual void KeyPress(char& Key);
  // Runs OnKeyChar when it is set; otherwise an 8-bit (Latin-1) character
  // goes on to KeyPress, and a wider one is left to the control.
  virtual void KeyChar(std::string& Key);
  virtual void DoEnter();
  virtual void DoExit();

 protected:
  // Called from the widgets' Qt event overrides. A handler's exception is
  // shown by the application and goes no further.
  // Press: captures the pointer (Qt's implicit grab) and runs MouseDown.
  void HandleMousePress(QMouseEvent* event);
  void HandleMouseMove(QMouseEvent* event);
  // Release: Click when `clicks` and the release lies inside, then MouseUp.
  void HandleMouseRelease(QMouseEvent* event, bool clicks);
  // A double click: DblClick, then MouseDown with ssDouble.
  void HandleMouseDoubleClick(QMouseEvent* event);
  // KeyDown and KeyChar for a key the control received; returns true when a
  // handler consumed it (set the key to 0, or emptied the character).
  bool HandleKey(QKeyEvent* event);
  // KeyChar for each of the characters, in turn; true when there were some
  // and every one was consumed.
  bool TypeChars(const std::u32string& chars);
  void HandleFocusIn();
  void HandleFocusOut();
  // Mouse moves reach OnMouseMove without a button held too.
  void TrackMouse();

 private:
  QWidget* widget_;
  int tag_ = 0;
  int cursor_ = 0;
  int align_ = 0;
  TColor color_ = clBtnFace;
  bool pressed_ = false;
};

// The control behind a widget, or nullptr.
TControl* ControlOf(QWidget* widget);

// Text conversions between the toolkit's UTF-8 strings and Qt's.
inline QString ToQString(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string FromQString(const QString& s) { return s.toUtf8().toStdString(); }

}  // namespace pictor
