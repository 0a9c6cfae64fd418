// TLabel: a line of static text.
#pragma once

#include <string>

#include <QLabel>

#include "host/toolkit/control.h"

namespace pictor {

class TLabel : public QLabel, public TControl {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE setTag)
  Q_PROPERTY(int Align READ Align WRITE setAlign)

 public:
  explicit TLabel(QWidget* parent = nullptr);
  ~TLabel() override;
  const char* ClassName() const override { return "TLabel"; }

  std::string Caption() const;
  void SetCaption(const std::string& caption);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace pictor
