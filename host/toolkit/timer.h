// TTimer: runs OnTimer every Interval milliseconds on the user-interface
// thread while Enabled and OnTimer is set.
#pragma once

#include <QObject>

#include "host/toolkit/events.h"

class QTimer;

namespace pictor {

class TTimer : public QObject, public TObject {
  Q_OBJECT

 public:
  explicit TTimer(QObject* owner = nullptr);
  ~TTimer() override;
  const char* ClassName() const override { return "TTimer"; }

  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);

  TNotifyEvent OnTimer;
  // Starts or stops the timer after OnTimer was set or cleared.
  void SetOnTimer(TNotifyEvent handler);

 private:
  void Update();
  void Fire();
  QTimer* timer_;
  int interval_ = 1000;
  bool enabled_ = true;
};

}  // namespace pictor
