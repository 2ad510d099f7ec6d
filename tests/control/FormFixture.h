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

namespace moyo::test {

// Notices are kept (as UTF-8) instead of shown; nothing waits for a person.
class RecordingNotifier : public platform::Notifier {
 public:
  void ShowNotice(const std::string& caption, const std::string& text) override {
    captions.push_back(platform::Cp949ToUtf8(caption));
    texts.push_back(platform::Cp949ToUtf8(text));
  }
  void CloseNotice() override { ++closes; }

  std::vector<std::string> captions;
  std::vector<std::string> texts;
  int closes = 0;
};

// A timer that ticks only when the test says so.
class ManualTimer : public platform::Timer {
 public:
  void SetInterval(int milliseconds) override { interval = milliseconds; }
  int Interval() const override { return interval; }
  void SetEnabled(bool on) override { enabled = on; }
  bool Enabled() const override { return enabled; }
  // One tick, as the message loop would deliver it while enabled.
  void Tick() {
    if (enabled && OnTimer) OnTimer();
  }

  int interval = 1000;
  bool enabled = false;
};

class CountingSound : public platform::SoundPlayer {
 public:
  void Play() override { ++plays; }
  int plays = 0;
};

class FakeNewsView : public TNewsView {
 public:
  explicit FakeNewsView(QWidget* parent) : widget(new QWidget(parent)) {}
  QWidget* Widget() override { return widget; }
  void Navigate(const std::string& address) override { addresses.push_back(address); }

  QWidget* widget;
  std::vector<std::string> addresses;
};

class FakeReferenceWindow : public TReferenceWindow {
 public:
  void ShowPosition(int lines, const TBoardSnapshot& snapshot, bool flipped, bool draw) override {
    calls.push_back("ShowPosition " + std::to_string(lines) + " " +
                    std::to_string(snapshot.MoveCount) + (flipped ? " flipped" : "") +
                    (draw ? " draw" : ""));
  }
  void ShowWindow() override { calls.push_back("ShowWindow"); }
  void LoadDiagram(const std::string& diagram) override { calls.push_back("Load " + diagram); }

  std::vector<std::string> calls;
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

// A game of `count` moves that a board accepts, with captures along the way:
// points are tried in a fixed pseudo-random order for the side to move.
inline std::vector<TRecordMove> LegalGame(int count, unsigned seed = 7) {
  TGoBoard board;
  std::vector<TRecordMove> moves;
  unsigned state = seed;
  while (static_cast<int>(moves.size()) < count) {
    bool played = false;
    for (int attempt = 0; attempt < 400 && !played; ++attempt) {
      state = state * 1103515245u + 12345u;
      const int x = static_cast<int>((state >> 8) % 19) + 1;
      const int y = static_cast<int>((state >> 16) % 19) + 1;
      if (board.IsLegal(x, y)) {
        const std::uint8_t colour = board.ToMove() == kBlack ? kRecordBlack : kRecordWhite;
        board.PlayMove(x, y, true);
        moves.push_back({static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), colour});
        played = true;
      }
    }
    if (!played) {
      board.Pass();
      moves.push_back({0, 0, kRecordBlack});
    }
  }
  return moves;
}

// Fills the form's record with the moves (and an even-game header).
inline void FillRecord(TMoyoscope& form, const std::vector<TRecordMove>& moves) {
  TGameRecord& record = form.Record();
  record.Clear();
  for (const TRecordMove& move : moves) record.AddMove(move);
}

inline std::string Cp(const char* utf8) {
  return platform::Utf8ToCp949(utf8);
}
inline std::string Utf8Message(int id) {
  return platform::Cp949ToUtf8(Message(id));
}
inline std::string TwoMessages(int first, int second) {
  return Utf8Message(first) + "\r\n\r\n" + Utf8Message(second);
}

}  // namespace moyo::test
