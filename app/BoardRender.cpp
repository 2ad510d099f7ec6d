#include "app/BoardRender.h"

#include "board/TGoBoard.h"
#include "paint/TZelGoPB.h"
#include "platform/qt/QtImageBox.h"
#include "record/RecordReplay.h"
#include "resources/artwork/ArtworkNames.h"

namespace moyo::app {

QImage RenderRecordBoard(const TGameRecord& record, const RenderOptions& options,
                         platform::QtBitmapStore& store) {
  platform::QtImageBox box;
  const platform::Bitmap* wood = store.Find(artwork::kBoardWood.name);
  const platform::Bitmap* edge = store.Find(artwork::kBoardEdge.name);
  if (wood == nullptr || edge == nullptr) return {};
  TZelGoPB painter(box, *wood, *edge);
  if (options.cell >= artwork::kMinStoneCell && options.cell <= artwork::kMaxStoneCell) {
    painter.SetStoneBitmaps(store.Find(artwork::StoneName('b', false, options.cell)),
                            store.Find(artwork::StoneName('w', false, options.cell)),
                            store.Find(artwork::StoneName('b', true, options.cell)),
                            store.Find(artwork::StoneName('w', true, options.cell)));
  }
  painter.SetMargin(options.margin);
  painter.SetLines(record.boardSize);
  painter.SetBoardSize(painter.Lines() * options.cell);
  if (options.flip) painter.ToggleFlip();

  TGoBoard board;
  std::uint8_t lastColour = kEmpty;
  board.OnStonePlaced = [&](const TGoBoard&, int x, int y, int number, std::uint8_t colour) {
    lastColour = colour;
    painter.DrawPoint(colour, x, y, number);
  };
  board.OnPointChanged = [&](const TGoBoard&, int x, int y, int number, std::uint8_t colour) {
    painter.DrawPoint(colour, x, y, number);
  };
  // The record goes in as the viewer loads it: the line stored without
  // stones, back to the start, then replayed, and drawn once at the end.
  painter.BeginHold();
  board.NewGame(record.boardSize);
  PlaceStartStones(record, board);
  EnterMainLine(record, board);
  for (int i = 0; i < options.move && board.Forward(); ++i) {
  }
  painter.EndHold();
  if (options.numbers) {
    // As the numbers button shows them: the last stone without its mark,
    // then every move's number.
    board.SetShowNumbers(true);
    int x = 0, y = 0;
    std::uint8_t colour = kEmpty;
    board.GetCurrentMove(x, y, colour);
    if (x > 0) painter.DrawPoint(lastColour, x, y, 0);
    TNumberGrid numbers{};
    board.GetMoveNumbers(numbers);
    painter.LoadMarks(numbers);
  }
  return box.Image().copy();
}

}  // namespace moyo::app
