// TScrollBox: a scrolling area. Its content is the union of its children:
// when they reach beyond the visible area the scroll bars appear. Children
// go into Content() (in a form description: the scroll area's contents
// widget); their moves and resizes update the scroll range.
#pragma once

#include <QScrollArea>

#include "host/toolkit/control.h"

namespace pictor {

class TScrollBox : public QScrollArea, public TControl {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE setTag)
  Q_PROPERTY(int Align READ Align WRITE setAlign)
  Q_PROPERTY(int Color READ Color WRITE setColor)

 public:
  explicit TScrollBox(QWidget* parent = nullptr);
  ~TScrollBox() override;
  const char* ClassName() const override { return "TScrollBox"; }

  // The widget that holds the children.
  QWidget* Content();

  // Scroll positions in pixels.
  int HorzScrollPosition() const;
  int VertScrollPosition() const;
  void SetHorzScrollPosition(int value);
  void SetVertScrollPosition(int value);
  bool HorzScrollBarVisible() const;
  bool VertScrollBarVisible() const;

  // Sizes the content to its children now (it also happens by itself).
  void UpdateRange();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Watch(QWidget* content);
  QWidget* watched_ = nullptr;
  bool updating_ = false;
};

}  // namespace pictor
