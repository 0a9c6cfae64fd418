// TStatusBar: the bar at the bottom of a window showing one text.
#pragma once

#include <string>

#include <QStatusBar>

#include "host/toolkit/control.h"

class QLabel;

namespace pictor {

class TStatusBar : public QStatusBar, public TControl {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE setTag)
  Q_PROPERTY(int Align READ Align WRITE setAlign)
  Q_PROPERTY(QString SimpleText READ QSimpleText WRITE setSimpleText)

 public:
  explicit TStatusBar(QWidget* parent = nullptr);
  ~TStatusBar() override;
  const char* ClassName() const override { return "TStatusBar"; }

  std::string SimpleText() const;
  void SetSimpleText(const std::string& text);
  QString QSimpleText() const;
  void setSimpleText(const QString& text);

 private:
  QLabel* label_;
};

}  // namespace pictor
