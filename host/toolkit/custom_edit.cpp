#include "host/toolkit/custom_edit.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>

#include "host/toolkit/application.h"

namespace pictor {

TCustomEdit::TCustomEdit(QWidget* parent) : QLineEdit(parent), TControl(this) {
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (OnChange) RunGuarded([this] { OnChange(this); });
  });
}

TCustomEdit::~TCustomEdit() = default;

std::string TCustomEdit::Text() const { return FromQString(text()); }
void TCustomEdit::SetText(const std::string& text) { setText(ToQString(text)); }

void TCustomEdit::SetMaxLength(int value) {
  maxLength_ = value < 0 ? 0 : value;
  setMaxLength(maxLength_ == 0 ? 32767 : maxLength_);
}

int TCustomEdit::SelStart() const {
  return hasSelectedText() ? selectionStart() : cursorPosition();
}
int TCustomEdit::SelLength() const { return hasSelectedText() ? selectionLength() : 0; }
void TCustomEdit::SetSelStart(int value) { setCursorPosition(value); }
void TCustomEdit::SetSelLength(int value) {
  const int start = SelStart();
  setSelection(start, value);
}

void TCustomEdit::SetEditRect(const TRect& rect) {
  setTextMargins(rect.Left, rect.Top, std::max(0, width() - rect.Right),
                 std::max(0, height() - rect.Bottom));
}

void TCustomEdit::PasteFromClipboard() { paste(); }
void TCustomEdit::CutToClipboard() { cut(); }

void TCustomEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    RunGuarded([this] { PasteFromClipboard(); });
    return;
  }
  if (event->matches(QKeySequence::Cut)) {
    RunGuarded([this] { CutToClipboard(); });
    return;
  }
  if (HandleKey(event)) return;
  // Enter and Escape belong to the form.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
      event->key() == Qt::Key_Escape) {
    event->ignore();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TCustomEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // Selecting all on entry, unless a pointer press placed the cursor.
  if (autoSelect_ && !(QApplication::mouseButtons() & Qt::LeftButton)) selectAll();
  HandleFocusIn();
}

void TCustomEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  HandleFocusOut();
}

void TCustomEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  RunGuarded([this] { Resize(); });
}

void TCustomEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  // The menu's paste and cut go through the virtual methods too.
  for (QAction* action : menu->actions()) {
    if (action->shortcut() == QKeySequence(QKeySequence::Paste)) {
      disconnect(action, nullptr, this, nullptr);
      connect(action, &QAction::triggered, this,
              [this] { RunGuarded([this] { PasteFromClipboard(); }); });
    } else if (action->shortcut() == QKeySequence(QKeySequence::Cut)) {
      disconnect(action, nullptr, this, nullptr);
      connect(action, &QAction::triggered, this,
              [this] { RunGuarded([this] { CutToClipboard(); }); });
    }
  }
  menu->exec(event->globalPos());
  delete menu;
}

void TCustomEdit::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  HandleMousePress(event);
}
void TCustomEdit::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  HandleMouseRelease(event, true);
}
void TCustomEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  QLineEdit::mouseDoubleClickEvent(event);
  HandleMouseDoubleClick(event);
}

}  // namespace pictor
