#include "record/RecordReplay.h"

#include <algorithm>
#include <array>
#include <memory>

namespace moyo {

std::uint8_t BoardColour(std::uint8_t recordColour) {
  return recordColour == kRecordBlack ? kBlack : kWhite;
}

void PlaceStartStones(const TGameRecord& record, TGoBoard& board) {
  const int setup = std::clamp(record.setupCount, 0, kMaxSetupStones);
  if (setup == 0) {
    board.SetHandicap(record.info.handicap, 1);
  } else {
    for (int i = 0; i < setup; ++i) {
      const TRecordMove& stone = record.setup[i];
      board.SetupStone(stone.x, stone.y, BoardColour(stone.colour));
    }
  }
  if (record.firstColour <= kRecordWhite) board.SetToMove(BoardColour(record.firstColour));
}

bool EnterRecordMove(TGoBoard& board, const TRecordMove& move, bool place) {
  board.SetToMove(BoardColour(move.colour));
  return move.x == 0 ? board.Pass() : board.PlayMove(move.x, move.y, place);
}

int ReplayRecord(const TGameRecord& record, int moves, TGoBoard& board) {
  board.NewGame(record.boardSize);
  PlaceStartStones(record, board);
  const int last = std::clamp(std::min(moves, record.moveCount), 0, kMaxRecordMoves);
  int played = 0;
  for (int i = 0; i < last; ++i) played += EnterRecordMove(board, record.moves[i], true) ? 1 : 0;
  return played;
}

std::vector<TRecordMove> HandicapStones(std::uint8_t size, int count) {
  std::vector<TRecordMove> stones;
  const auto board = std::make_unique<TGoBoard>();
  board->NewGame(size);
  board->OnPointChanged = [&stones](const TGoBoard&, int X, int Y, int, std::uint8_t Colour) {
    if (Colour == kBlack) {
      stones.push_back({static_cast<std::uint8_t>(X), static_cast<std::uint8_t>(Y), kRecordBlack});
    }
  };
  board->SetHandicap(count, 1);
  return stones;
}

namespace {

void BackToStart(TGoBoard& board) {
  while (board.MoveCount() > 0 && board.Back()) {
  }
}

}  // namespace

void EnterMainLine(const TGameRecord& record, TGoBoard& board) {
  const int moves = std::clamp(record.moveCount, 0, kMaxRecordMoves);
  std::array<int, kMaxRecordMoves> line{};  // record index of each stored entry
  int length = 0;
  for (int i = 0; i < moves; ++i) {
    if (EnterRecordMove(board, record.moves[i], false)) line[length++] = i;
  }
  // A pass does not extend the stored line by itself; passes at the end stay replayable.
  board.SetLastMove(board.MoveCount());
  BackToStart(board);

  while (board.Forward()) {
  }
  const int shown = board.MoveCount();
  if (shown < board.LastMove() && shown < length) {
    board.SetLastMove(shown);
    for (int i = line[shown] + 1; i < moves; ++i) EnterRecordMove(board, record.moves[i], true);
    board.SetLastMove(board.MoveCount());
  }
  BackToStart(board);
}

}  // namespace moyo
