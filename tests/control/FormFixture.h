#pragma once
// A viewer form with recorded notices, hand-ticked timers, a counted stone
// sound and fake news and reference windows, plus record builders.

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "board/TGoBoard.h"
#include "control/TMoyoscope.h"
#include "control/TNewsView.h"
#include "platform/Notifier.h"
#include "platform/SoundPlayer.h"
#include "platform/Text.h"
#include "platform/Timer.h"
#include "record/TGameRecord.h"
#include "resources/Messages.h"
#include "tests/support/ViewerFakes.h"

namespace moyo::test {

class FakeNewsView : public TNewsView {
 public:
  explicit FakeNewsView(QWidget* parent) : widget(new QWidget(parent)) {}
  QWidget* Widget() override { return widget; }
  void Navigate(const std::string& address) override { addresses.push_back(address); }

  QWidget* widget;
  std::vector<std::string> addresses;
};

// A form of the given size with every outside effect recorded.
struct TestForm {
  explicit TestForm(int width = TMoyoscope::kDefaultWidth, int height = TMoyoscope::kDefaultHeight,
                    bool show = true) {
    TFormServices services;
    auto recording = std::make_unique<RecordingNotifier>();
    notices = recording.get();
    services.notifier = std::move(recording);
    services.makeTimer = [this] {
      auto timer = std::make_unique<ManualTimer>();
      timers.push_back(timer.get());
      return timer;
    };
    auto counting = std::make_unique<CountingSound>();
    sound = counting.get();
    services.stoneSound = std::move(counting);
    services.makeNewsView = [this](QWidget* parent) {
      auto view = std::make_unique<FakeNewsView>(parent);
      news = view.get();
      return view;
    };
    services.makeReferenceWindow = [this](QWidget*) {
      auto window = std::make_unique<FakeReferenceWindow>();
      reference = window.get();
      ++referenceWindowsMade;
      return window;
    };
    form = std::make_unique<TMoyoscope>(nullptr, std::move(services), width, height);
    if (show) form->show();
  }

  ManualTimer& PlayTimer() { return *timers.at(0); }

  std::unique_ptr<TMoyoscope> form;
  RecordingNotifier* notices = nullptr;
  std::vector<ManualTimer*> timers;
  CountingSound* sound = nullptr;
  FakeNewsView* news = nullptr;
  FakeReferenceWindow* reference = nullptr;
  int referenceWindowsMade = 0;
};

// Fills the form's record with the moves (and an even-game header).
inline void FillRecord(TMoyoscope& form, const std::vector<TRecordMove>& moves) {
  TGameRecord& record = form.Record();
  record.Clear();
  for (const TRecordMove& move : moves) record.AddMove(move);
}

}  // namespace moyo::test
