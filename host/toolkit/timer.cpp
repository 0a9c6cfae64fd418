#include "host/toolkit/timer.h"

#include <QTimer>

#include "host/toolkit/application.h"

namespace pictor {

TTimer::TTimer(QObject* owner) : QObject(owner), timer_(new QTimer(this)) {
  timer_->setTimerType(Qt::PreciseTimer);
  connect(timer_, &QTimer::timeout, this, [this] { Fire(); });
}

TTimer::~TTimer() = default;

void TTimer::SetInterval(int milliseconds) {
  interval_ = milliseconds < 0 ? 0 : milliseconds;
  Update();
}

void TTimer::SetEnabled(bool value) {
  enabled_ = value;
  Update();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  OnTimer = std::move(handler);
  Update();
}

void TTimer::Update() {
  // An interval of 0 stops the timer, as does a missing handler.
  if (enabled_ && interval_ > 0 && OnTimer) {
    timer_->start(interval_);
  } else {
    timer_->stop();
  }
}

void TTimer::Fire() {
  if (!OnTimer) {
    timer_->stop();
    return;
  }
  RunGuarded([this] { OnTimer(this); });
}

}  // namespace pictor
