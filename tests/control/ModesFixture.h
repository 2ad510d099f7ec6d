#pragma once
// A viewer form whose timers really tick, only a hundred times faster, with
// the bundled sample records loaded; and comparisons of whole board states.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QImage>
#include <QLineEdit>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "board/TGoBoard.h"
#include "control/TMoyoscope.h"
#include "paint/TZelGoPB.h"
#include "platform/qt/QtPaintBox.h"
#include "record/NgfReader.h"
#include "record/TaggedReader.h"
#include "tests/control/FormFixture.h"

namespace moyo::test {

// A message-loop timer that reports the interval asked for but ticks a
// hundred times as often, so a one-second pause lasts ten milliseconds.
class FastTimer : public platform::Timer {
 public:
  FastTimer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      ++ticks;
      if (OnTimer) OnTimer();
    });
  }
  void SetInterval(int milliseconds) override {
    interval_ = milliseconds;
    timer_.setInterval(milliseconds / 100);
  }
  int Interval() const override { return interval_; }
  void SetEnabled(bool on) override {
    if (on && !timer_.isActive()) {
      ++starts;
      timer_.start();
    }
    if (!on) timer_.stop();
  }
  bool Enabled() const override { return timer_.isActive(); }

  int ticks = 0;
  int starts = 0;

 private:
  int interval_ = 0;
  QTimer timer_;
};

// A notice that stays open, as a modal box does, until it is closed from code;
// a safety net closes it after two seconds so a broken test cannot hang.
class ModalNotifier : public platform::Notifier {
 public:
  void ShowNotice(const std::string&, const std::string& text) override {
    texts.push_back(platform::Cp949ToUtf8(text));
    QEventLoop loop;
    open_ = &loop;
    QTimer::singleShot(2000, &loop, [this, &loop] {
      ++leftOpen;
      loop.quit();
    });
    loop.exec();
    open_ = nullptr;
  }
  void CloseNotice() override {
    if (open_ == nullptr) return;
    ++closedByCode;
    open_->quit();
  }

  std::vector<std::string> texts;
  int closedByCode = 0;
  int leftOpen = 0;

 private:
  QEventLoop* open_ = nullptr;
};

// A shown form with fast timers, a counted sound and the given notifier.
struct ModesForm {
  explicit ModesForm(std::unique_ptr<platform::Notifier> notifier = nullptr) {
    TFormServices services;
    if (!notifier) {
      auto recording = std::make_unique<RecordingNotifier>();
      notices = recording.get();
      notifier = std::move(recording);
    }
    services.notifier = std::move(notifier);
    services.makeTimer = [this] {
      auto timer = std::make_unique<FastTimer>();
      timers.push_back(timer.get());
      return timer;
    };
    auto counting = std::make_unique<CountingSound>();
    sound = counting.get();
    services.stoneSound = std::move(counting);
    services.makeNewsView = [](QWidget* parent) { return std::make_unique<FakeNewsView>(parent); };
    form = std::make_unique<TMoyoscope>(nullptr, std::move(services));
    form->SetLevel("1");
    form->show();
  }

  TMoyoscope& operator*() { return *form; }
  TMoyoscope* operator->() { return form.get(); }
  TGoBoard& Board() { return form->Board(); }
  // The timers in the order the form made them: play, wrong-guess notice, reply pause.
  FastTimer& Timer(std::size_t index) { return *timers.at(index); }
  const QImage& Image() const { return form->Components().MainGoPB->Image(); }
  std::string LastNotice() const {
    return notices != nullptr && !notices->texts.empty() ? notices->texts.back() : "";
  }

  std::unique_ptr<TMoyoscope> form;
  RecordingNotifier* notices = nullptr;
  std::vector<FastTimer*> timers;
  CountingSound* sound = nullptr;
};

inline std::string ReadSample(const std::string& name) {
  const char* root = std::getenv("MOYO_SOURCE_DIR");
  std::ifstream in(std::string(root != nullptr ? root : ".") + "/samples/" + name,
                   std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The 255-move tagged sample with captures, a long ko fight and two passes.
inline constexpr const char* kKoFightSample = "selfplay-commented-ko-fight.gib";
// The NGF sample of a four-stone handicap game.
inline constexpr const char* kHandicapSample = "selfplay-four-stone-handicap.ngf";

// Reads a sample into the form's record and shows it, as getFile would.
inline void LoadSample(TMoyoscope& form, const char* name) {
  const std::string text = ReadSample(name);
  ASSERT_FALSE(text.empty()) << name;
  form.Record().Clear();
  const std::string path(name);
  if (path.ends_with(".ngf")) {
    ReadNgfRecord(form.Record(), text);
  } else {
    ReadTaggedRecord(form.Record(), text, form.Level());
  }
  form.ApplyRecord();
  ASSERT_GT(form.Board().LastMove(), 100) << name;
}

// Lets the opponent's replies to a right guess play out, as a user waits for them.
inline void AwaitReplies(TMoyoscope& form) {
  for (int i = 0; i < 10000 && form.State().replying; ++i) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
}

// Steps the form to move n (through the jump, silently).
inline void GoTo(TMoyoscope& form, int n) {
  form.Components().moveEd->setText(QString::number(n));
  form.moveBtnClick();
}

// The board's position replayed on a fresh board from the start of its own
// line: equal when stepping back and forth never lost or invented a stone.
inline testing::AssertionResult MatchesFreshReplay(const TGoBoard& board) {
  TGoBoard fresh;
  fresh.NewGame(19);
  if (board.HandicapCount() > 0) fresh.SetHandicap(board.HandicapCount(), 1);
  for (int i = 1; i <= board.MoveCount(); ++i) {
    const TMoveRecord& move = board.MoveHistory()[static_cast<std::size_t>(i)];
    const bool played = move.X == 0 ? fresh.Pass() : fresh.PlayMove(move.X, move.Y, true);
    if (!played) return testing::AssertionFailure() << "move " << i << " refused on replay";
  }
  if (fresh.Points() != board.Points()) return testing::AssertionFailure() << "points differ";
  if (fresh.BlackCaptures() != board.BlackCaptures() ||
      fresh.WhiteCaptures() != board.WhiteCaptures()) {
    return testing::AssertionFailure() << "capture counts differ";
  }
  if (fresh.ToMove() != board.ToMove()) return testing::AssertionFailure() << "turn differs";
  return testing::AssertionSuccess();
}

// Whether the painter shows exactly the board's stones.
inline testing::AssertionResult ScreenShowsBoard(TMoyoscope& form) {
  for (int y = 1; y <= 19; ++y) {
    for (int x = 1; x <= 19; ++x) {
      if (form.Painter().PointAt(x, y) != form.Board().Point(x, y)) {
        return testing::AssertionFailure()
               << "point " << x << "," << y << " shows " << int(form.Painter().PointAt(x, y))
               << ", holds " << int(form.Board().Point(x, y));
      }
    }
  }
  return testing::AssertionSuccess();
}

}  // namespace moyo::test
