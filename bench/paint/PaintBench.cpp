// Speed of the board painter on the Qt canvas: whole repaints of a full
// board and one stone with its number.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <random>

#include "paint/TZelGoPB.h"
#include "platform/qt/QtBitmapStore.h"
#include "platform/qt/QtImageBox.h"
#include "resources/artwork/ArtworkNames.h"

namespace {

using moyo::TZelGoPB;

QGuiApplication& App() {
  static int argc = 1;
  static char name[] = "paint_bench";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  return *app;
}

struct Board {
  explicit Board(int cell) : painter(box, *store.Find("baseb"), *store.Find("bedge")) {
    using moyo::artwork::StoneName;
    painter.SetStoneBitmaps(
        store.Find(StoneName('b', false, cell)), store.Find(StoneName('w', false, cell)),
        store.Find(StoneName('b', true, cell)), store.Find(StoneName('w', true, cell)));
    painter.SetBoardSize(19 * cell);
  }
  // 250 stones, each with its move number.
  void FillWithNumberedStones() {
    std::mt19937 random(250);
    moyo::TPointGrid points{};
    moyo::TNumberGrid numbers{};
    int placed = 0;
    while (placed < 250) {
      const int x = static_cast<int>(random() % 19), y = static_cast<int>(random() % 19);
      if (points[y][x] != 0) continue;
      points[y][x] = placed % 2 == 0 ? moyo::kBlack : moyo::kWhite;
      numbers[y][x] = ++placed;
    }
    painter.LoadBoard(points);
    painter.LoadMarks(numbers);
  }

  moyo::platform::QtBitmapStore store;
  moyo::platform::QtImageBox box;
  TZelGoPB painter;
};

void BM_RepaintFullBoard(benchmark::State& state) {
  App();
  Board board(static_cast<int>(state.range(0)));
  board.FillWithNumberedStones();
  for (auto _ : state) {
    board.painter.Repaint();
    benchmark::DoNotOptimize(board.box.Image().constBits());
  }
}
BENCHMARK(BM_RepaintFullBoard)->Arg(26)->Arg(59)->Unit(benchmark::kMillisecond);

void BM_DrawNumberedStone(benchmark::State& state) {
  App();
  Board board(static_cast<int>(state.range(0)));
  int number = 1;
  for (auto _ : state) {
    board.painter.DrawPoint(number % 2 == 0 ? moyo::kWhite : moyo::kBlack, 10, 10, number);
    number = number % 300 + 1;
    benchmark::DoNotOptimize(board.box.Image().constBits());
  }
}
BENCHMARK(BM_DrawNumberedStone)->Arg(26)->Unit(benchmark::kMicrosecond);

}  // namespace
