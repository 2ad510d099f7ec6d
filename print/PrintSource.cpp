#include "print/PrintSource.h"

#include <algorithm>
#include <memory>

#include "record/ApplyRecord.h"
#include "record/NullRecordView.h"

namespace moyo {
namespace {

// A record view that keeps the handicap byte and shows nothing.
class THandicapView final : public TNullRecordView {
 public:
  void SetHandicapByte(std::uint8_t handicap) override { handicap_ = handicap; }
  std::uint8_t Handicap() const { return handicap_; }

 private:
  std::uint8_t handicap_ = 0;
};

// The stones on board before its first move.
TPointGrid StartPosition(const TGoBoard& board) {
  TBoardSnapshot snapshot;
  board.SavePosition(snapshot);
  // A board of its own, so stepping back raises none of the viewer's events.
  const auto start = std::make_unique<TGoBoard>(TNumbering{}, snapshot);
  while (start->Back()) {
  }
  return start->Points();
}

}  // namespace

TPrintSource ViewerPrintSource(const TGoBoard& board, const TGiboInfo& shown,
                               std::uint8_t handicapByte) {
  TPrintSource source;
  TPrintLine& line = source.line;
  board.GetMoveList(board.LastMove(), line.moves);
  const TMoveHistory& history = board.MoveHistory();
  for (int i = 0; i < line.moves.Count; ++i) line.colours[i] = history[i + 1].Colour;
  line.handicap = handicapByte;
  // A handicap board's start is the handicap, which printing puts down itself. A
  // board started from setup stones has no handicap stones, whatever the header says.
  if (board.HandicapCount() == 0) {
    line.setup = StartPosition(board);
    // Plain std algorithms: the web build's library has no ranges versions of them.
    const bool setup = std::any_of(line.setup.begin(), line.setup.end(), [](const auto& row) {
      return std::any_of(row.begin(), row.end(),
                         [](std::uint8_t point) { return point != kEmpty; });
    });
    if (setup) line.handicap = 0;
  }
  source.header = MakePrintHeader(shown);
  return source;
}

TPrintSource RecordPrintSource(TGameRecord& record) {
  const auto board = std::make_unique<TGoBoard>();
  THandicapView view;
  ApplyRecord(record, "", *board, view);
  return ViewerPrintSource(*board, record.info, view.Handicap());
}

}  // namespace moyo
