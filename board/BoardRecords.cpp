#include "board/BoardRecords.h"

namespace moyo {

void InitPosition(std::uint8_t Size, TBoardSnapshot& Snapshot) {
  Snapshot.Size = Size;
  Snapshot.ToMove = kBlack;
  Snapshot.BlackCaptures = 0;
  Snapshot.WhiteCaptures = 0;
  Snapshot.HandicapCount = 0;
  Snapshot.HandicapOrder = 1;
  Snapshot.MoveCount = 0;
  Snapshot.CaptureLog.Count = 0;
  Snapshot.CaptureLog.Entries.fill(TCaptureRecord{});
  Snapshot.MoveHistory.fill(TMoveRecord{.Colour = 0, .X = -1, .Y = 0, .KoX = 0, .KoY = 0});
  for (auto& row : Snapshot.Points) row.fill(kEmpty);
  for (auto& row : Snapshot.NumberGrid) row.fill(0);
}

void ClearNumbering(TNumbering& N) {
  N = TNumbering{};
}

}  // namespace moyo
