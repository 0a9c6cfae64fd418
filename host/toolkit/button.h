// TButton and TBitBtn: push buttons. A click sets the form's modal result to
// the button's ModalResult, then runs OnClick. Default buttons answer Enter,
// cancel buttons Escape (see form.h).
#pragma once

#include <memory>
#include <string>

#include <QPushButton>

#include "host/graphics/bitmap.h"
#include "host/toolkit/control.h"

namespace pictor {

class GlyphHolder;

class TButton : public QPushButton, public TControl {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE setTag)
  Q_PROPERTY(int ModalResult READ ModalResult WRITE setModalResult)
  Q_PROPERTY(bool Default READ Default WRITE setDefault)
  Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)

 public:
  explicit TButton(QWidget* parent = nullptr);
  ~TButton() override;
  const char* ClassName() const override { return "TButton"; }

  std::string Caption() const;
  void SetCaption(const std::string& caption);

  int ModalResult() const { return modalResult_; }
  void SetModalResult(int value) { modalResult_ = value; }
  void setModalResult(int value) { SetModalResult(value); }

  bool Default() const { return default_; }
  void SetDefault(bool value);
  void setDefault(bool value) { SetDefault(value); }

  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  void setCancel(bool value) { SetCancel(value); }

  // Sets the parent form's modal result, then runs OnClick.
  void Click() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int modalResult_ = 0;
  bool default_ = false;
  bool cancel_ = false;
};

class TBitBtn : public TButton {
  Q_OBJECT
  Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE setNumGlyphs)
  Q_PROPERTY(QString Glyph READ GlyphPath WRITE setGlyph)

 public:
  explicit TBitBtn(QWidget* parent = nullptr);
  ~TBitBtn() override;
  const char* ClassName() const override { return "TBitBtn"; }

  // As the glyph of TSpeedButton.
  const TBitmap& Glyph() const;
  void SetGlyph(const TBitmap& glyph);
  void LoadGlyph(const std::string& path);
  QString GlyphPath() const;
  void setGlyph(const QString& path);
  int NumGlyphs() const;
  void SetNumGlyphs(int value);
  void setNumGlyphs(int value) { SetNumGlyphs(value); }

 private:
  std::unique_ptr<GlyphHolder> glyph_;
};

}  // namespace pictor
