// TSpeedButton: a flat tool button. Buttons of one parent with the same
// non-zero GroupIndex form an exclusive group: setting one Down raises the
// others, and a click on a button of a group puts it down (a down button
// stays down unless AllowAllUp). A click by the pointer sets Down first and
// then runs OnClick; Click() runs OnClick alone.
#pragma once

#include <memory>
#include <string>

#include <QToolButton>

#include "host/graphics/bitmap.h"
#include "host/toolkit/control.h"

class QPainter;

namespace pictor {

class GlyphHolder;

class TSpeedButton : public QToolButton, public TControl {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE setTag)
  Q_PROPERTY(int GroupIndex READ GroupIndex WRITE setGroupIndex)
  Q_PROPERTY(bool Down READ Down WRITE setDown)
  Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE setAllowAllUp)
  Q_PROPERTY(bool Flat READ Flat WRITE setFlat)
  Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE setNumGlyphs)
  Q_PROPERTY(QString Glyph READ GlyphPath WRITE setGlyph)

 public:
  explicit TSpeedButton(QWidget* parent = nullptr);
  ~TSpeedButton() override;
  const char* ClassName() const override { return "TSpeedButton"; }

  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  void setGroupIndex(int value) { SetGroupIndex(value); }

  bool Down() const { return groupIndex_ != 0 && down_; }
  // Ignored for a button without a group; raising the down button of a group
  // needs AllowAllUp.
  void SetDown(bool value);
  void setDown(bool value) { SetDown(value); }

  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value) { allowAllUp_ = value; }
  void setAllowAllUp(bool value) { SetAllowAllUp(value); }

  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  void setFlat(bool value) { SetFlat(value); }

  std::string Caption() const;
  void SetCaption(const std::string& caption);

  // The glyph: NumGlyphs pictures side by side (up, disabled, clicked, down);
  // the colour of its bottom-left pixel shows transparent.
  const TBitmap& Glyph() const;
  void SetGlyph(const TBitmap& glyph);
  // Loads the glyph from a file or Qt resource path (BMP files keep their
  // pixel format and palette); an empty path removes it.
  void LoadGlyph(const std::string& path);
  QString GlyphPath() const;
  void setGlyph(const QString& path);

  int NumGlyphs() const;
  void SetNumGlyphs(int value);
  void setNumGlyphs(int value) { SetNumGlyphs(value); }

  // Whether the pointer holds the button pressed right now.
  bool Pressed() const;

 protected:
  // Runs after the button has painted itself; a subclass draws over it with
  // DrawFocusRect.
  virtual void Paint() {}
  void DrawFocusRect(const TRect& rect);

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  // Down is the toolkit's, not Qt's checked state.
  void nextCheckState() override {}

 private:
  void UpdateExclusive();
  void UpdateLook();

  int groupIndex_ = 0;
  bool down_ = false;
  bool allowAllUp_ = false;
  bool flat_ = false;
  std::unique_ptr<GlyphHolder> glyph_;
  QPainter* painter_ = nullptr;
};

}  // namespace pictor
