#include "host/toolkit/control.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QMouseEvent>

#include "host/toolkit/align.h"
#include "host/toolkit/application.h"
#include "host/toolkit/input.h"
#include "host/toolkit/screen.h"

namespace pictor {
namespace {

QWidget* ClientWidget(QWidget* w) {
  if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) return area->viewport();
  return w;
}

void Realign(QWidget* w, int align) {
  if (align != alNone && w->parentWidget()) AlignChildren(w->parentWidget());
}

}  // namespace

TControl::TControl(QWidget* widget) : widget_(widget) {}
TControl::~TControl() = default;

std::string TControl::Hint() const { return FromQString(widget_->toolTip()); }
void TControl::SetHint(const std::string& hint) { widget_->setToolTip(ToQString(hint)); }
bool TControl::Enabled() const { return widget_->isEnabled(); }
void TControl::SetEnabled(bool value) { widget_->setEnabled(value); }
bool TControl::Visible() const { return !widget_->isHidden(); }
void TControl::SetVisible(bool value) {
  widget_->setVisible(value);
  if (align_ != alNone && widget_->parentWidget()) AlignChildren(widget_->parentWidget());
}

int TControl::Left() const { return widget_->x(); }
int TControl::Top() const { return widget_->y(); }
int TControl::Width() const { return widget_->width(); }
int TControl::Height() const { return widget_->height(); }
void TControl::SetLeft(int value) { widget_->move(value, widget_->y()); }
void TControl::SetTop(int value) { widget_->move(widget_->x(), value); }
void TControl::SetWidth(int value) {
  widget_->resize(value < 0 ? 0 : value, widget_->height());
  Realign(widget_, align_);
}
void TControl::SetHeight(int value) {
  widget_->resize(widget_->width(), value < 0 ? 0 : value);
  Realign(widget_, align_);
}
void TControl::SetBounds(int left, int top, int width, int height) {
  widget_->setGeometry(left, top, width < 0 ? 0 : width, height < 0 ? 0 : height);
  Realign(widget_, align_);
}

int TControl::ClientWidth() const { return ClientWidget(widget_)->width(); }
int TControl::ClientHeight() const { return ClientWidget(widget_)->height(); }
void TControl::SetClientWidth(int value) {
  SetWidth(value + widget_->width() - ClientWidget(widget_)->width());
}
void TControl::SetClientHeight(int value) {
  SetHeight(value + widget_->height() - ClientWidget(widget_)->height());
}

TPoint TControl::ClientOrigin() const { return ClientToScreen(TPoint{0, 0}); }
TPoint TControl::ClientToScreen(TPoint p) const {
  const QPoint g = ClientWidget(widget_)->mapToGlobal(QPoint(p.X, p.Y));
  return TPoint{g.x(), g.y()};
}
TPoint TControl::ScreenToClient(TPoint p) const {
  const QPoint c = ClientWidget(widget_)->mapFromGlobal(QPoint(p.X, p.Y));
  return TPoint{c.x(), c.y()};
}

void TControl::SetCursor(int id) {
  cursor_ = id;
  RefreshCursor();
}

void TControl::RefreshCursor() {
  if (cursor_ == crDefault)
    widget_->unsetCursor();
  else
    widget_->setCursor(Screen->QtCursor(cursor_));
}

void TControl::SetAlign(int value) {
  align_ = value;
  Realign(widget_, align_);
}

void TControl::SetColor(TColor value) {
  color_ = value;
  QPalette p = widget_->palette();
  p.setColor(QPalette::Window, QColor(GetRValue(value), GetGValue(value), GetBValue(value)));
  widget_->setPalette(p);
  ClientWidget(widget_)->setPalette(p);
  widget_->update();
}

bool TControl::Focused() const { return widget_->hasFocus(); }
void TControl::SetFocus() { widget_->setFocus(Qt::OtherFocusReason); }
void TControl::Invalidate() { widget_->update(); }
void TControl::Repaint() { widget_->repaint(); }

void TControl::Click() {
  if (OnClick) OnClick(this);
}
void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}
void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}
void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}
void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}
void TControl::KeyDown(Word& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}
void TControl::KeyPress(char& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}
void TControl::KeyChar(std::string& Key) {
  if (OnKeyChar) {
    OnKeyChar(this, Key);
    return;
  }
  const QString text = ToQString(Key);
  if (text.size() != 1 || text.at(0).unicode() > 255) return;
  char c = static_cast<char>(text.at(0).unicode());
  KeyPress(c);
  if (c == 0) Key.clear();
}
void TControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}
void TControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TControl::HandleMousePress(QMouseEvent* event) {
  TMouseButton button;
  if (!MouseButtonOf(event->button(), button)) return;
  if (button == mbLeft) pressed_ = true;
  NotePointerPress(this);
  const QPoint p = event->position().toPoint();
  const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
  RunGuarded([&] { MouseDown(button, shift, p.x(), p.y()); });
}

void TControl::HandleMouseMove(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
  RunGuarded([&] { MouseMove(shift, p.x(), p.y()); });
}

void TControl::HandleMouseRelease(QMouseEvent* event, bool clicks) {
  TMouseButton button;
  if (!MouseButtonOf(event->button(), button)) return;
  const QPoint p = event->position().toPoint();
  const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
  NotePointerRelease(this, event->buttons());
  if (button == mbLeft) {
    const bool click = clicks && pressed_ && widget_->rect().contains(p);
    pressed_ = false;
    if (click) RunGuarded([&] { Click(); });
  }
  RunGuarded([&] { MouseUp(button, shift, p.x(), p.y()); });
}

void TControl::HandleMouseDoubleClick(QMouseEvent* event) {
  TMouseButton button;
  if (!MouseButtonOf(event->button(), button)) return;
  if (button == mbLeft) {
    pressed_ = true;
    RunGuarded([&] { DblClick(); });
  }
  const QPoint p = event->position().toPoint();
  TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
  shift.Include(ssDouble);
  RunGuarded([&] { MouseDown(button, shift, p.x(), p.y()); });
}

bool TControl::HandleKey(QKeyEvent* event) {
  Word key = VirtualKeyOf(*event);
  if (key != 0) {
    const TShiftState shift = ShiftStateOf(event->modifiers(), Qt::NoButton);
    RunGuarded([&] { KeyDown(key, shift); });
    if (key == 0) return true;
  }
  return TypeChars(KeyCharsOf(*event));
}

bool TControl::TypeChars(const std::u32string& chars) {
  bool consumed = !chars.empty();
  for (const char32_t c : chars) {
    std::string key = FromQString(QString::fromUcs4(&c, 1));
    RunGuarded([&] { KeyChar(key); });
    if (!key.empty()) consumed = false;
  }
  return consumed;
}

void TControl::HandleFocusIn() {
  RunGuarded([&] { DoEnter(); });
}
void TControl::HandleFocusOut() {
  RunGuarded([&] { DoExit(); });
}

void TControl::TrackMouse() {
  widget_->setMouseTracking(true);
  if (auto* area = qobject_cast<QAbstractScrollArea*>(widget_))
    area->viewport()->setMouseTracking(true);
}

TControl* ControlOf(QWidget* widget) { return dynamic_cast<TControl*>(widget); }

}  // namespace pictor
