#include "record/TGameRecord.h"

#include <algorithm>
#include <utility>

namespace moyo {

void TGameRecord::Clear() {
  info = TGiboInfo{};
  boardSize = kMaxRecordBoardSize;
  setupCount = 0;
  setup.fill(TRecordMove{});
  firstColour = kRecordNoColour;
  moveCount = 0;
  moves.fill(TRecordMove{});
  for (int i = 0; i < commentCount; ++i) comments[i] = TCommentEntry{};
  commentCount = 0;
}

bool TGameRecord::AddComment(std::int32_t moveNo, std::int16_t kind, std::string text) {
  if (commentCount < 0 || commentCount >= kMaxCommentEntries) return false;
  TCommentEntry& entry = comments[commentCount++];
  entry.text = std::move(text);
  entry.moveNo = moveNo;
  entry.kind = kind;
  return true;
}

bool TGameRecord::SetSetupStone(TRecordMove stone) {
  const int count = std::clamp(setupCount, 0, kMaxSetupStones);
  int kept = 0;
  for (int i = 0; i < count; ++i) {
    if (setup[i].x != stone.x || setup[i].y != stone.y) setup[kept++] = setup[i];
  }
  for (int i = kept; i < count; ++i) setup[i] = TRecordMove{};
  setupCount = kept;
  if (stone.colour > kRecordWhite) return true;
  if (kept >= kMaxSetupStones) return false;
  // Blacks before whites, each colour in the order set.
  int at = kept;
  if (stone.colour == kRecordBlack) {
    while (at > 0 && setup[at - 1].colour == kRecordWhite) {
      setup[at] = setup[at - 1];
      --at;
    }
  }
  setup[at] = stone;
  ++setupCount;
  return true;
}

}  // namespace moyo
