#include "record/TGameRecord.h"

#include <utility>

namespace moyo {

void TGameRecord::Clear() {
  info = TGiboInfo{};
  boardSize = kMaxRecordBoardSize;
  moveCount = 0;
  moves.fill(TRecordMove{});
  for (int i = 0; i < commentCount; ++i) comments[i] = TCommentEntry{};
  commentCount = 0;
}

bool TGameRecord::AddMove(TRecordMove move) {
  if (moveCount < 0 || moveCount >= kMaxRecordMoves) return false;
  moves[moveCount++] = move;
  return true;
}

bool TGameRecord::AddComment(std::int32_t moveNo, std::int16_t kind, std::string text) {
  if (commentCount < 0 || commentCount >= kMaxCommentEntries) return false;
  TCommentEntry& entry = comments[commentCount++];
  entry.text = std::move(text);
  entry.moveNo = moveNo;
  entry.kind = kind;
  return true;
}

}  // namespace moyo
