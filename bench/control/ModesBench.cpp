// The cost of leaving trial mode: the trial stones come off, the record's
// stones go back, the saved position is loaded and the board is repainted.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <fstream>
#include <memory>
#include <sstream>

#include "board/TGoBoard.h"
#include "control/TMoyoscope.h"
#include "control/TNewsView.h"
#include "platform/Notifier.h"
#include "platform/SoundPlayer.h"
#include "record/TaggedReader.h"

namespace moyo {
namespace {

class SilentNotifier : public platform::Notifier {
 public:
  void ShowNotice(const std::string&, const std::string&) override {}
  void CloseNotice() override {}
};

class SilentSound : public platform::SoundPlayer {
 public:
  void Play() override {}
};

class NoNews : public TNewsView {
 public:
  explicit NoNews(QWidget* parent) : widget_(new QWidget(parent)) {}
  QWidget* Widget() override { return widget_; }
  void Navigate(const std::string&) override {}

 private:
  QWidget* widget_;
};

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "modes_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (QApplication::instance() == nullptr) new QApplication(argc, argv);
}

std::unique_ptr<TMoyoscope> FormWithSample() {
  EnsureApplication();
  TFormServices services;
  services.notifier = std::make_unique<SilentNotifier>();
  services.stoneSound = std::make_unique<SilentSound>();
  services.makeNewsView = [](QWidget* parent) { return std::make_unique<NoNews>(parent); };
  auto form = std::make_unique<TMoyoscope>(nullptr, std::move(services));
  form->SetLevel("1");
  std::ifstream in(MOYO_SOURCE_DIR "/samples/selfplay-commented-ko-fight.gib", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  ReadTaggedRecord(form->Record(), text.str(), form->Level());
  form->ApplyRecord();
  return form;
}

// Plays `count` trial stones on the first legal points from the top left.
void PlayTrialStones(TMoyoscope& form, int count) {
  int played = 0;
  for (int y = 1; y <= 19 && played < count; ++y) {
    for (int x = 1; x <= 19 && played < count; ++x) {
      if (form.Board().IsLegal(x, y)) {
        form.boardClick(platform::MouseButton::Left, 0, x, y);
        ++played;
      }
    }
  }
}

// Leaving trial mode after 30 trial stones on move 200, painting included.
void BM_LeaveTrialAfter30StonesOnMove200(benchmark::State& state) {
  auto form = FormWithSample();
  form->Components().moveEd->setText("200");
  form->moveBtnClick();
  if (form->MoveCount() != 200) {
    state.SkipWithError("the sample did not reach move 200");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    form->testBtnClick();
    PlayTrialStones(*form, 30);
    state.ResumeTiming();
    form->testEndBtnClick();
  }
  if (form->MoveCount() != 200) state.SkipWithError("left trial mode on the wrong move");
}
BENCHMARK(BM_LeaveTrialAfter30StonesOnMove200)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace moyo
