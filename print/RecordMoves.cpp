#include "print/RecordMoves.h"

#include <algorithm>
#include <memory>

#include "board/TGoBoard.h"

namespace moyo {

TMoveList RecordMoveList(const TGameRecord& record) {
  const auto board = std::make_unique<TGoBoard>();
  board->SetHandicap(record.info.handicap, 1);
  const int moves = std::clamp(record.moveCount, 0, kMaxRecordMoves);
  for (int i = 0; i < moves; ++i) {
    const TRecordMove& move = record.moves[static_cast<std::size_t>(i)];
    if (move.x == 0) {
      board->Pass();
    } else {
      board->PlayMove(move.x, move.y, false);
    }
  }
  TMoveList list;
  board->GetMoveList(board->LastMove(), list);
  return list;
}

}  // namespace moyo
