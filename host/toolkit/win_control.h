// TWinControl: a plain container control with mouse and key events, the base
// of compound controls of other folders. TCustomControl adds painting: Paint
// draws on Canvas(), a bitmap of the control's size that is then shown.
#pragma once

#include <memory>

#include <QWidget>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/toolkit/control.h"

namespace pictor {

class TWinControl : public QWidget, public TControl {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE setTag)
  Q_PROPERTY(int Align READ Align WRITE setAlign)
  Q_PROPERTY(int Color READ Color WRITE setColor)

 public:
  explicit TWinControl(QWidget* parent = nullptr);
  ~TWinControl() override;
  const char* ClassName() const override { return "TWinControl"; }

  // Runs after every resize.
  virtual void Resize() {}

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
};

class TCustomControl : public TWinControl {
  Q_OBJECT

 public:
  explicit TCustomControl(QWidget* parent = nullptr);
  ~TCustomControl() override;
  const char* ClassName() const override { return "TCustomControl"; }

  // Valid while Paint runs: a canvas on a bitmap of the control's size,
  // filled with Color first.
  TCanvas* Canvas();
  TNotifyEvent OnPaint;

 protected:
  // Draws the control on Canvas(); runs OnPaint by default.
  virtual void Paint();
  void paintEvent(QPaintEvent* event) override;

 private:
  std::unique_ptr<TBitmap> surface_;
};

}  // namespace pictor
