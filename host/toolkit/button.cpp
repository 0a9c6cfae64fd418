#include "host/toolkit/button.h"

#include <QKeyEvent>

#include "host/toolkit/application.h"
#include "host/toolkit/form.h"
#include "host/toolkit/glyph.h"

namespace pictor {

TButton::TButton(QWidget* parent) : QPushButton(parent), TControl(this) {
  setAutoDefault(false);
  connect(this, &QAbstractButton::clicked, this, [this] { RunGuarded([this] { Click(); }); });
}

TButton::~TButton() = default;

std::string TButton::Caption() const { return FromQString(text()); }
void TButton::SetCaption(const std::string& caption) { setText(ToQString(caption)); }

void TButton::SetDefault(bool value) {
  default_ = value;
  QPushButton::setDefault(value);
}

void TButton::Click() {
  if (TForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  TControl::Click();
}

void TButton::keyPressEvent(QKeyEvent* event) {
  // Enter on a focused button clicks it, as the default button would.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      event->modifiers() == Qt::NoModifier) {
    click();
    return;
  }
  if (HandleKey(event)) return;
  QPushButton::keyPressEvent(event);
}

void TButton::focusInEvent(QFocusEvent* event) {
  QPushButton::focusInEvent(event);
  HandleFocusIn();
}

void TButton::focusOutEvent(QFocusEvent* event) {
  QPushButton::focusOutEvent(event);
  HandleFocusOut();
}

TBitBtn::TBitBtn(QWidget* parent) : TButton(parent), glyph_(std::make_unique<TBitmap>()) {}
TBitBtn::~TBitBtn() = default;

void TBitBtn::SetGlyph(const TBitmap& glyph) {
  glyph_->Assign(&glyph);
  UpdateIcon();
}

void TBitBtn::LoadGlyph(const std::string& path) {
  if (path.empty())
    glyph_->Assign(nullptr);
  else
    LoadGlyphBitmap(path, *glyph_);
  glyphPath_ = ToQString(path);
  UpdateIcon();
}

void TBitBtn::setGlyph(const QString& path) {
  try {
    LoadGlyph(FromQString(path));
  } catch (const Exception&) {
    glyph_->Assign(nullptr);
    UpdateIcon();
  }
  glyphPath_ = path;
}

void TBitBtn::SetNumGlyphs(int value) {
  numGlyphs_ = value < 1 ? 1 : value;
  UpdateIcon();
}

void TBitBtn::UpdateIcon() {
  setIcon(GlyphIcon(*glyph_, numGlyphs_));
  if (!glyph_->Empty()) setIconSize(QSize(GlyphWidth(*glyph_, numGlyphs_), glyph_->Height()));
}

}  // namespace pictor
