// The viewer form's navigation, painting included: "to the end" on a
// 500-move record from the start position, and one Right key at a time through
// a 300-move record as a held key repeats it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <memory>

#include "board/TGoBoard.h"
#include "control/TMoyoscope.h"
#include "platform/Notifier.h"
#include "platform/SoundPlayer.h"
#include "platform/qt/QtPaintBox.h"

namespace {

class SilentNotifier : public moyo::platform::Notifier {
 public:
  void ShowNotice(const std::string&, const std::string&) override {}
  void CloseNotice() override {}
};

class SilentSound : public moyo::platform::SoundPlayer {
 public:
  void Play() override {}
};

// A game of `moves` moves the board accepts, captures included.
void FillLongGame(moyo::TGameRecord& record, int moves = moyo::kMaxRecordMoves) {
  moyo::TGoBoard board;
  unsigned state = 7;
  record.Clear();
  while (record.moveCount < moves) {
    // Black and White alternate; the record gives each move its player.
    const auto colour = static_cast<std::uint8_t>(record.moveCount % 2);
    bool played = false;
    for (int attempt = 0; attempt < 400 && !played; ++attempt) {
      state = state * 1103515245u + 12345u;
      const int x = static_cast<int>((state >> 8) % 19) + 1;
      const int y = static_cast<int>((state >> 16) % 19) + 1;
      if (!board.IsLegal(x, y)) continue;
      board.PlayMove(x, y, true);
      record.AddMove({static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), colour});
      played = true;
    }
    if (!played) {
      board.Pass();
      record.AddMove({0, 0, colour});
    }
  }
}

// A shown form with silent notices and sound.
std::unique_ptr<moyo::TMoyoscope> ShownForm() {
  static int argc = 1;
  static char name[] = "control_bench";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) new QApplication(argc, argv);
  moyo::TFormServices services;
  services.notifier = std::make_unique<SilentNotifier>();
  services.stoneSound = std::make_unique<SilentSound>();
  auto form = std::make_unique<moyo::TMoyoscope>(nullptr, std::move(services));
  form->show();
  return form;
}

void BM_ToTheEndOf500Moves(benchmark::State& state) {
  const auto shown = ShownForm();
  moyo::TMoyoscope& form = *shown;
  FillLongGame(form.Record());
  form.ApplyRecord();
  for (auto _ : state) {
    state.PauseTiming();
    form.navButtonClick(0);
    form.Components().MainGoPB->repaint();
    state.ResumeTiming();
    form.navButtonClick(5);
    form.Components().MainGoPB->repaint();
  }
  if (form.MoveCount() != moyo::kMaxRecordMoves) state.SkipWithError("did not reach the end");
}
BENCHMARK(BM_ToTheEndOf500Moves)->Unit(benchmark::kMillisecond);

// One key press handled and the board painted, as each repeat of a held key is.
void BM_RightKeyThrough300Moves(benchmark::State& state) {
  const auto shown = ShownForm();
  moyo::TMoyoscope& form = *shown;
  FillLongGame(form.Record(), 300);
  form.ApplyRecord();
  for (auto _ : state) {
    if (form.MoveCount() >= form.Board().LastMove()) {
      state.PauseTiming();
      form.navButtonClick(0);
      state.ResumeTiming();
    }
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(&form, &right);
    form.Components().MainGoPB->repaint();
  }
}
BENCHMARK(BM_RightKeyThrough300Moves)->Unit(benchmark::kMicrosecond);

}  // namespace
