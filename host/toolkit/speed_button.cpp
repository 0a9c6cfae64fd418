#include "host/toolkit/speed_button.h"

#include <QMouseEvent>
#include <QPainter>

#include "host/toolkit/application.h"
#include "host/toolkit/glyph.h"

namespace pictor {

TSpeedButton::TSpeedButton(QWidget* parent)
    : QToolButton(parent), TControl(this), glyph_(std::make_unique<GlyphHolder>(this)) {
  setFocusPolicy(Qt::NoFocus);
  setCheckable(true);
  setChecked(false);
  connect(this, &QAbstractButton::clicked, this, [this] {
    // A click by the pointer puts a button of a group down before OnClick.
    if (groupIndex_ != 0) SetDown(!down_);
    RunGuarded([this] { Click(); });
  });
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGroupIndex(int value) {
  groupIndex_ = value;
  // A Down given before the group (as a form description may) takes effect now.
  setChecked(groupIndex_ != 0 && down_);
  if (groupIndex_ != 0 && down_) UpdateExclusive();
}

void TSpeedButton::SetDown(bool value) {
  if (groupIndex_ == 0) {
    down_ = value;
    return;
  }
  if (value == down_) return;
  if (down_ && !allowAllUp_) return;
  down_ = value;
  setChecked(down_);
  if (down_) UpdateExclusive();
}

void TSpeedButton::UpdateExclusive() {
  QWidget* parent = parentWidget();
  if (!parent || groupIndex_ == 0) return;
  for (QObject* child : parent->children()) {
    auto* other = qobject_cast<TSpeedButton*>(child);
    if (!other || other == this || other->groupIndex_ != groupIndex_) continue;
    other->down_ = false;
    other->setChecked(false);
  }
}

void TSpeedButton::SetFlat(bool value) {
  flat_ = value;
  setAutoRaise(value);
}

std::string TSpeedButton::Caption() const { return FromQString(text()); }

void TSpeedButton::SetCaption(const std::string& caption) {
  setText(ToQString(caption));
  UpdateLook();
}

const TBitmap& TSpeedButton::Glyph() const { return glyph_->Glyph(); }
QString TSpeedButton::GlyphPath() const { return glyph_->Path(); }
int TSpeedButton::NumGlyphs() const { return glyph_->Count(); }

void TSpeedButton::SetGlyph(const TBitmap& glyph) {
  glyph_->Set(glyph);
  UpdateLook();
}

void TSpeedButton::LoadGlyph(const std::string& path) {
  glyph_->Load(path);
  UpdateLook();
}

void TSpeedButton::setGlyph(const QString& path) {
  glyph_->LoadQuietly(path);
  UpdateLook();
}

void TSpeedButton::SetNumGlyphs(int value) { glyph_->SetCount(value); }

bool TSpeedButton::Pressed() const { return isDown(); }

void TSpeedButton::UpdateLook() {
  const bool hasText = !text().isEmpty();
  const bool hasGlyph = !glyph_->Glyph().Empty();
  setToolButtonStyle(hasText && hasGlyph ? Qt::ToolButtonTextBesideIcon
                     : hasText           ? Qt::ToolButtonTextOnly
                                         : Qt::ToolButtonIconOnly);
}

void TSpeedButton::DrawFocusRect(const TRect& rect) {
  if (!painter_) return;
  QPen pen(Qt::black);
  pen.setStyle(Qt::DotLine);
  painter_->setPen(pen);
  painter_->setBrush(Qt::NoBrush);
  painter_->drawRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
}

void TSpeedButton::paintEvent(QPaintEvent* event) {
  QToolButton::paintEvent(event);
  QPainter painter(this);
  painter_ = &painter;
  RunGuarded([this] { Paint(); });
  painter_ = nullptr;
}

// Presses of every button stay the button's (Qt passes those of other than
// the left button on to the parent), and so do their releases.
void TSpeedButton::mousePressEvent(QMouseEvent* event) {
  QToolButton::mousePressEvent(event);
  HandleMousePress(event);
  event->accept();
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
  HandleMouseRelease(event, false);
  QToolButton::mouseReleaseEvent(event);
  event->accept();
}

void TSpeedButton::mouseMoveEvent(QMouseEvent* event) {
  QToolButton::mouseMoveEvent(event);
  HandleMouseMove(event);
}

void TSpeedButton::changeEvent(QEvent* event) { QToolButton::changeEvent(event); }

}  // namespace pictor
