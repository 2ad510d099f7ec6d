// Speed of diagram building and of printing a long game to PDF at 600 dpi.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "board/TGoBoard.h"
#include "platform/qt/QtPrinter.h"
#include "print/DiagramPrinter.h"

namespace moyo {
namespace {

// A seeded random game of count legal moves, with the captures a random game brings.
TMoveList RandomGame(int count) {
  TGoBoard board;
  std::mt19937 random(2026);
  std::uniform_int_distribution<int> point(1, 19);
  TMoveList list;
  while (list.Count < count) {
    const int x = point(random), y = point(random);
    if (!board.IsLegal(x, y)) continue;
    board.PlayMove(x, y, true);
    list.Moves[list.Count++] = {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
  }
  return list;
}

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "print_bench";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance() == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    new QGuiApplication(argc, argv);
  }
}

void BM_BuildDiagram300(benchmark::State& state) {
  const TMoveList game = RandomGame(300);
  for (auto _ : state) {
    TDiagram diagram;
    BuildDiagram(28, 1, 300, {game}, diagram);
    benchmark::DoNotOptimize(diagram.retakes.LineCount());
  }
}
BENCHMARK(BM_BuildDiagram300)->Unit(benchmark::kMillisecond);

void PrintToPdf(benchmark::State& state, const TPrintRequest& request) {
  EnsureApplication();
  const TMoveList game = RandomGame(300);
  const std::string file = (std::filesystem::temp_directory_path() / "print_bench.pdf").string();
  TGamePInfo header;
  header.EventName = "Benchmark";
  for (auto _ : state) {
    const auto printer = platform::QtPrinter::ToPdf(file, 600);
    if (!PrintRecord(*printer, {game}, header, request)) state.SkipWithError("printing failed");
  }
  std::filesystem::remove(file);
}

void BM_PrintWholeGamePdf300(benchmark::State& state) {
  PrintToPdf(state, TPrintRequest{});
}
BENCHMARK(BM_PrintWholeGamePdf300)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PrintSplit50FourAPagePdf300(benchmark::State& state) {
  TPrintRequest request;
  request.method = kPrintSplit;
  request.movesPerDiagram = 50;
  request.perPageIndex = 2;
  PrintToPdf(state, request);
}
BENCHMARK(BM_PrintSplit50FourAPagePdf300)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace moyo
