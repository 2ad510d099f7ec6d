#include "platform/qt/QtTimer.h"

namespace moyo::platform {

QtTimer::QtTimer() {
  // A coarse timer may tick up to 5% early: a one-second reply pause would
  // come out anywhere from 950 ms.
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (OnTimer) OnTimer();
  });
}

void QtTimer::SetInterval(int milliseconds) {
  // QTimer restarts a running timer on a new interval, so the next tick is
  // one new interval away.
  timer_.setInterval(milliseconds < 0 ? 0 : milliseconds);
}

void QtTimer::SetEnabled(bool enabled) {
  if (enabled && !timer_.isActive()) timer_.start();
  if (!enabled) timer_.stop();
}

}  // namespace moyo::platform
