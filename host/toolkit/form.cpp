#include "host/toolkit/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include "host/toolkit/application.h"
#include "host/toolkit/button.h"
#include "host/toolkit/focus.h"
#include "host/toolkit/input.h"
#include "host/toolkit/test_hooks.h"

namespace pictor {

TForm::TForm(QWidget* parent) : QDialog(parent), TControl(this) {
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setSizeGripEnabled(false);
}

TForm::~TForm() = default;

std::string TForm::Caption() const { return FromQString(windowTitle()); }
void TForm::SetCaption(const std::string& caption) { setWindowTitle(ToQString(caption)); }

void TForm::DoCreate() {
  if (created_) return;
  created_ = true;
  if (OnCreate) OnCreate(this);
}

void TForm::DoDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  if (OnDestroy) RunGuarded([&] { OnDestroy(this); });
}

int TForm::ShowModal() {
  const TKeyboardReturn keyboard(QApplication::activeModalWidget()
                                     ? QApplication::activeModalWidget()
                                     : QApplication::activeWindow());
  modalResult_ = mrNone;
  modal_ = true;
  setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  loop_ = &loop;
  if (auto script = test_hooks::TakeModalScript()) {
    QTimer::singleShot(0, this, [this, fn = std::move(*script)] {
      RunGuarded([&] { fn(*this); });
      if (modalResult_ == mrNone) SetModalResult(mrCancel);
    });
  }
  show();
  if (modalResult_ == mrNone) loop.exec(QEventLoop::DialogExec);
  loop_ = nullptr;
  modal_ = false;
  hide();
  setWindowModality(Qt::NonModal);
  return modalResult_;
}

void TForm::Show() { show(); }

void TForm::Close() { close(); }

void TForm::SetModalResult(int value) {
  modalResult_ = value;
  if (modal_ && value != mrNone && loop_) loop_->exit(value);
}

TButton* TForm::DefaultButton() const {
  for (TButton* b : findChildren<TButton*>())
    if (b->Default() && b->isEnabled() && b->isVisibleTo(this)) return b;
  return nullptr;
}

TButton* TForm::CancelButton() const {
  for (TButton* b : findChildren<TButton*>())
    if (b->Cancel() && b->isEnabled() && b->isVisibleTo(this)) return b;
  return nullptr;
}

bool TForm::RouteKey(QWidget* receiver, QKeyEvent* event) {
  TForm* form = GetParentForm(receiver);
  if (!form) return false;
  if (form->keyPreview_) {
    Word key = VirtualKeyOf(*event);
    if (key != 0) {
      const TShiftState shift = ShiftStateOf(event->modifiers(), Qt::NoButton);
      RunGuarded([&] { form->KeyDown(key, shift); });
      if (key == 0) return true;
    }
  }
  // Enter and Escape are the form's: the focused button, else the default
  // button, answers Enter; the cancel button answers Escape.
  const int k = event->key();
  if ((k == Qt::Key_Return || k == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
    if (!qobject_cast<QPushButton*>(receiver)) {
      if (TButton* b = form->DefaultButton()) {
        b->click();
        return true;
      }
    }
  } else if (k == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    if (TButton* b = form->CancelButton()) {
      b->click();
      return true;
    }
  }
  return form->keyPreview_ && form->TypeChars(KeyCharsOf(*event));
}

void TForm::RouteInputMethod(QWidget* receiver, QInputMethodEvent* event) {
  TForm* form = GetParentForm(receiver);
  if (!form || !form->keyPreview_ || event->commitString().isEmpty()) return;
  if (form->TypeChars(CharsOf(event->commitString())))
    event->setCommitString(QString(), event->replacementStart(), event->replacementLength());
}

void TForm::AnswerInputMethodQuery(QWidget* receiver, QInputMethodQueryEvent* query) {
  TForm* form = GetParentForm(receiver);
  if (!form || !form->keyPreview_ || !form->OnKeyChar) return;
  if ((query->queries() & Qt::ImEnabled) && !query->value(Qt::ImEnabled).toBool())
    query->setValue(Qt::ImEnabled, true);
}

void TForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (OnShow) RunGuarded([&] { OnShow(this); });
}

void TForm::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (OnHide) RunGuarded([&] { OnHide(this); });
}

void TForm::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (OnPaint) RunGuarded([&] { OnPaint(this); });
}

void TForm::closeEvent(QCloseEvent* event) {
  if (modal_) {
    if (modalResult_ == mrNone) SetModalResult(mrCancel);
    event->accept();
    return;
  }
  QWidget::closeEvent(event);
}

void TForm::keyPressEvent(QKeyEvent* event) {
  // Keys of a form without KeyPreview reach its own handlers only when no
  // control took them; Escape and Enter never close it by themselves.
  if (!keyPreview_ && HandleKey(event)) return;
  QWidget::keyPressEvent(event);
}

void TForm::mousePressEvent(QMouseEvent* event) { HandleMousePress(event); }
void TForm::mouseMoveEvent(QMouseEvent* event) { HandleMouseMove(event); }
void TForm::mouseReleaseEvent(QMouseEvent* event) { HandleMouseRelease(event, true); }

void TForm::done(int result) {
  if (modal_) {
    SetModalResult(result == 0 ? mrCancel : result);
    return;
  }
  QDialog::done(result);
}

void TForm::reject() { done(mrCancel); }

TForm* GetParentForm(QWidget* widget) {
  // The window the widget is in; a dialog opened over a form is not the form.
  return widget ? dynamic_cast<TForm*>(widget->window()) : nullptr;
}

}  // namespace pictor
