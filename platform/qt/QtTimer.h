#pragma once
// A platform timer over QTimer.

#include <QTimer>

#include "platform/Timer.h"

namespace moyo::platform {

class QtTimer : public Timer {
 public:
  QtTimer();

  void SetInterval(int milliseconds) override;
  int Interval() const override { return timer_.interval(); }
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return timer_.isActive(); }

 private:
  QTimer timer_;
};

}  // namespace moyo::platform
