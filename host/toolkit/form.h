// TForm: a window of the editor, shown modally with ShowModal until its
// modal result is non-zero. Buttons with a ModalResult set it when clicked,
// before their OnClick; Enter clicks the default button (or the focused
// button), Escape the cancel button; the close box gives mrCancel (2).
// With KeyPreview the form's OnKeyDown and OnKeyPress (or OnKeyChar, which
// takes every Unicode character) see every key before the focused control;
// setting the key to 0 (emptying the character) stops it there. Such a form
// also sees the text input methods commit, and with OnKeyChar set it asks
// the desktop's input method to serve whichever control has the focus.
//
// A form class calls DoCreate at the end of its constructor (after its form
// description is set up and its events are wired) and DoDestroy first thing
// in its destructor, so OnCreate and OnDestroy run while all fields exist.
#pragma once

#include <string>

#include <QDialog>

#include "host/toolkit/control.h"

class QEventLoop;
class QInputMethodEvent;
class QInputMethodQueryEvent;

namespace pictor {

inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrAbort = 3;
inline constexpr int mrRetry = 4;
inline constexpr int mrIgnore = 5;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;

// Border styles of a form.
inline constexpr int bsSizeable = 2;
inline constexpr int bsDialog = 3;

class TButton;

class TForm : public QDialog, public TControl {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE setTag)
  Q_PROPERTY(int Color READ Color WRITE setColor)
  Q_PROPERTY(bool KeyPreview READ KeyPreview WRITE setKeyPreview)
  Q_PROPERTY(int HelpContext READ HelpContext WRITE setHelpContext)
  Q_PROPERTY(int ModalResult READ ModalResult WRITE setModalResult)
  Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)

 public:
  explicit TForm(QWidget* parent = nullptr);
  ~TForm() override;
  const char* ClassName() const override { return "TForm"; }

  std::string Caption() const;
  void SetCaption(const std::string& caption);

  // Runs the window until its modal result is non-zero and returns it.
  int ShowModal();
  bool Modal() const { return modal_; }
  void Show();
  // A modal form ends with mrCancel; another form hides.
  void Close();

  int ModalResult() const { return modalResult_; }
  // A non-zero result ends a running ShowModal.
  void SetModalResult(int value);
  void setModalResult(int value) { SetModalResult(value); }

  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool value) { keyPreview_ = value; }
  void setKeyPreview(bool value) { SetKeyPreview(value); }

  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int value) { helpContext_ = value; }
  void setHelpContext(int value) { SetHelpContext(value); }
  std::string HelpFile;

  // bsSizeable (the default) or bsDialog: the window keeps its size and its
  // frame offers only the close box (form_border_style.cpp).
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int value);
  void setBorderStyle(int value) { SetBorderStyle(value); }

  // The buttons that answer Enter and Escape (the first enabled, visible one).
  TButton* DefaultButton() const;
  TButton* CancelButton() const;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnPaint;

  void DoCreate();
  void DoDestroy();

  // The key routing of forms (called by the application for every key press):
  // returns true when the key was consumed before reaching `receiver`.
  static bool RouteKey(QWidget* receiver, QKeyEvent* event);
  // The text an input method commits to `receiver`; what the form consumes
  // is taken out of the event.
  static void RouteInputMethod(QWidget* receiver, QInputMethodEvent* event);
  // Whether `receiver` takes input methods: yes when its form has KeyPreview
  // and OnKeyChar.
  static void AnswerInputMethodQuery(QWidget* receiver, QInputMethodQueryEvent* query);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 public slots:
  void done(int result) override;
  void reject() override;

 private:
  QEventLoop* loop_ = nullptr;
  int modalResult_ = 0;
  bool modal_ = false;
  bool keyPreview_ = false;
  int helpContext_ = 0;
  int borderStyle_ = 2;
  bool created_ = false;
  bool destroyed_ = false;
};

// The form that holds the widget, or nullptr.
TForm* GetParentForm(QWidget* widget);

}  // namespace pictor
