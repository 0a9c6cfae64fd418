// TPanel: a container with an optional raised or lowered bevel, a colour and
// a centred caption. Children with an Align are laid out along its edges.
// A subclass that draws more turns on PaintOnCanvas and overrides Paint
// (panel_paint.cpp).
#pragma once

#include <memory>
#include <string>

#include <QFrame>

#include "host/toolkit/control.h"

namespace pictor {

class TBitmap;
class TCanvas;

inline constexpr int bvNone = 0;
inline constexpr int bvLowered = 1;
inline constexpr int bvRaised = 2;

class TPanel : public QFrame, public TControl {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE setTag)
  Q_PROPERTY(int Align READ Align WRITE setAlign)
  Q_PROPERTY(int Color READ Color WRITE setColor)
  Q_PROPERTY(int BevelOuter READ BevelOuter WRITE setBevelOuter)
  Q_PROPERTY(int BevelInner READ BevelInner WRITE setBevelInner)
  Q_PROPERTY(bool DoubleBuffered READ DoubleBuffered WRITE setDoubleBuffered)
  Q_PROPERTY(QString Caption READ QCaption WRITE setCaption)

 public:
  explicit TPanel(QWidget* parent = nullptr);
  ~TPanel() override;
  const char* ClassName() const override { return "TPanel"; }

  int BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(int value);
  void setBevelOuter(int value) { SetBevelOuter(value); }
  int BevelInner() const { return bevelInner_; }
  void SetBevelInner(int value);
  void setBevelInner(int value) { SetBevelInner(value); }
  // Width of each bevel in pixels.
  int BevelWidth() const { return 1; }

  // Qt paints every widget double buffered; the property is kept because form
  // descriptions and the editor set it.
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }
  void setDoubleBuffered(bool value) { SetDoubleBuffered(value); }

  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  QString QCaption() const { return ToQString(caption_); }
  void setCaption(const QString& caption) { SetCaption(FromQString(caption)); }

 protected:
  // From the next repaint on, the panel draws itself by Paint on Canvas().
  // Plain panels (some as large as a zoomed image) paint straight to the
  // screen instead.
  void PaintOnCanvas() { paintsOnCanvas_ = true; }
  // Draws the panel on Canvas(): its colour, bevels and caption. A subclass
  // overrides it, runs the inherited Paint and draws more.
  virtual void Paint();
  // While Paint runs: a canvas on a bitmap of the panel's size, shown when
  // Paint returns; nullptr otherwise.
  TCanvas* Canvas();

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  int bevelOuter_ = bvRaised;
  int bevelInner_ = bvNone;
  bool doubleBuffered_ = false;
  std::string caption_;
  bool paintsOnCanvas_ = false;
  std::unique_ptr<TBitmap> surface_;
  void PaintSurface();
};

}  // namespace pictor
