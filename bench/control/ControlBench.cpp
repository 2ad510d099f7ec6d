// The viewer form's navigation, painting included: "to the end" on a
// 500-move record from the start position.

#include <benchmark/benchmark.h>

#include <QApplication>
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

// A 500-move game the board accepts, captures included.
void FillLongGame(moyo::TGameRecord& record) {
  moyo::TGoBoard board;
  unsigned state = 7;
  record.Clear();
  while (record.moveCount < moyo::kMaxRecordMoves) {
    bool played = false;
    for (int attempt = 0; attempt < 400 && !played; ++attempt) {
      state = state * 1103515245u + 12345u;
      const int x = static_cast<int>((state >> 8) % 19) + 1;
      const int y = static_cast<int>((state >> 16) % 19) + 1;
      if (!board.IsLegal(x, y)) continue;
      board.PlayMove(x, y, true);
      record.AddMove({static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 0});
      played = true;
    }
    if (!played) {
      board.Pass();
      record.AddMove({0, 0, 0});
    }
  }
}

void BM_ToTheEndOf500Moves(benchmark::State& state) {
  static int argc = 1;
  static char name[] = "control_bench";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) new QApplication(argc, argv);
  moyo::TFormServices services;
  services.notifier = std::make_unique<SilentNotifier>();
  services.stoneSound = std::make_unique<SilentSound>();
  moyo::TMoyoscope form(nullptr, std::move(services));
  form.show();
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

}  // namespace
