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

TBitBtn::TBitBtn(QWidget* parent) : TButton(parent), glyph_(std::make_unique<GlyphHolder>(this)) {}
TBitBtn::~TBitBtn() = default;

const TBitmap& TBitBtn::Glyph() const { return glyph_->Glyph(); }
void TBitBtn::SetGlyph(const TBitmap& glyph) { glyph_->Set(glyph); }
void TBitBtn::LoadGlyph(const std::string& path) { glyph_->Load(path); }
QString TBitBtn::GlyphPath() const { return glyph_->Path(); }
void TBitBtn::setGlyph(const QString& path) { glyph_->LoadQuietly(path); }
int TBitBtn::NumGlyphs() const { return glyph_->Count(); }
void TBitBtn::SetNumGlyphs(int value) { glyph_->SetCount(value); }

}  // namespace pictor
