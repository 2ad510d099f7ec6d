// Opening a reference diagram in a window that already exists: the viewer's
// snapshot, ShowPosition, showing the window and LoadDiagram with its drawing.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdint>
#include <memory>
#include <string>

#include "board/TGoBoard.h"
#include "board/TextCodes.h"
#include "paint/TZelGoPB.h"
#include "refdiagram/qt/TCHelpForm.h"

namespace moyo {
namespace {

QApplication& Application() {
  static int argc = 1;
  static char name[] = "refdiagram_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication application(argc, argv);
  return application;
}

// Plays count legal moves, trying points in a fixed pseudo-random order, and
// returns them as coordinate letters.
std::string PlayLegalMoves(TGoBoard& board, int count, std::uint32_t seed) {
  std::string letters;
  std::uint32_t state = seed;
  while (count > 0) {
    state = state * 1664525u + 1013904223u;
    const int x = static_cast<int>(state >> 16) % 19 + 1;
    const int y = static_cast<int>(state >> 8) % 19 + 1;
    if (!board.IsLegal(x, y)) continue;
    board.PlayMove(x, y, true);
    letters += CoordLetter(x);
    letters += CoordLetter(y);
    --count;
  }
  return letters;
}

struct Setting {
  Setting(int gameMoves, int back) {
    PlayLegalMoves(viewer, gameMoves, 11);
    // The diagram replaces the game from move first on.
    const int first = viewer.MoveCount() + 1 - back;
    TGoBoard scratch;
    for (int i = 1; i < first; ++i) {
      const TMoveRecord& move = viewer.MoveHistory()[static_cast<std::size_t>(i)];
      scratch.PlayMove(move.X, move.Y, true);
    }
    text = EncodeNumber2(first) + EncodeNumber2(20) + PlayLegalMoves(scratch, 20, 5) +
           "\\!ACKKXCLLXD\\!A comment of one line.";
    Open();
  }

  void Open() {
    auto snapshot = std::make_unique<TBoardSnapshot>();
    viewer.SavePosition(*snapshot);
    form->ShowPosition(19, *snapshot, false, false);
    form->ShowWindow();
    form->LoadDiagram(text);
  }

  QApplication& application = Application();
  TGoBoard viewer;
  std::unique_ptr<TCHelpForm> form = std::make_unique<TCHelpForm>();
  std::string text;
};

// A diagram of 20 moves that goes on from the position on the viewer's board.
void BM_OpenDiagramOnCurrentPosition(benchmark::State& state) {
  Setting setting(120, 0);
  if (setting.form->Session().Painter().CellSize() == 0)
    state.SkipWithError("the board was never laid out");
  for (auto _ : state) setting.Open();
}
BENCHMARK(BM_OpenDiagramOnCurrentPosition)->Unit(benchmark::kMillisecond);

// A diagram of 20 moves that stands in for the last 20 moves of the game.
void BM_OpenDiagramTwentyMovesBack(benchmark::State& state) {
  Setting setting(120, 20);
  if (setting.form->Session().Painter().CellSize() == 0)
    state.SkipWithError("the board was never laid out");
  for (auto _ : state) setting.Open();
}
BENCHMARK(BM_OpenDiagramTwentyMovesBack)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace moyo
