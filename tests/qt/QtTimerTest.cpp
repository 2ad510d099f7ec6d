// The Qt timer behind the viewer's pauses: a one-second reply pause lasts a
// second, never less, as a coarse system timer would make it.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <vector>

#include "platform/qt/QtTimer.h"

namespace moyo::platform {
namespace {

TEST(QtTimer, NeverTicksBeforeItsIntervalHasPassed) {
  QtTimer timer;
  QElapsedTimer clock;
  std::vector<qint64> ticks;
  timer.OnTimer = [&] {
    ticks.push_back(clock.elapsed());
    if (ticks.size() == 4) timer.SetEnabled(false);
  };
  timer.SetInterval(250);
  clock.start();
  timer.SetEnabled(true);
  while (timer.Enabled()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  ASSERT_EQ(ticks.size(), 4u);
  // Only a lower bound: a loaded machine may deliver a tick late, never early.
  for (std::size_t k = 0; k < ticks.size(); ++k) EXPECT_GE(ticks[k], 250 * qint64(k + 1)) << k;
}

}  // namespace
}  // namespace moyo::platform
