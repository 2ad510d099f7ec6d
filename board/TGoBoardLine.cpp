// The line of play: stepping back and forth, passes, move numbering and whole-position records.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "board/MoveTest.h"
#include "board/TGoBoard.h"

namespace moyo {
namespace {

// Numbers come from host-chosen start and first moves; keep the arithmetic defined.
std::int32_t ClampNumber(std::int64_t N) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      N, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

bool TGoBoard::Forward() {
  if (MoveCount_ >= LastMove_) return false;
  const int x = MoveHistory_[MoveCount_ + 1].X;
  const int y = MoveHistory_[MoveCount_ + 1].Y;
  // A line with moves out of turn replays each move by the colour that played it.
  SetToMove(MoveHistory_[MoveCount_ + 1].Colour);
  if (x == 0) return Pass();
  TMoveTestResult test;
  RunMoveTest(x, y, test);
  // A stored move the rules refuse (a damaged line) is not a step, so a replay loop ends here.
  if (!test.Allowed) return false;
  Commit(x, y, true, test);
  RaiseMove(true);
  return true;
}

bool TGoBoard::Pass() {
  if (HistoryFull()) {
    Refuse();
    return false;
  }
  PrepareNumber();
  RecordMove(0, 0, 0, 0);
  SwapTurns();
  RaiseMove(true);
  return true;
}

bool TGoBoard::Back() {
  if (MoveCount_ <= 0 || MoveHistory_[MoveCount_].X < 0) {
    Refuse();
    return false;
  }
  const TMoveRecord taken = MoveHistory_[MoveCount_];
  --MoveCount_;
  // The captured stones are the colour of the side that did not play the move.
  if (taken.Colour == kBlack || taken.Colour == kWhite) SetToMove(OtherColour(taken.Colour));
  if (taken.X > 0) {
    RemoveStone(taken.X, taken.Y);
    // The stones the move took come back in the reverse of their removal order, in the colour
    // of the side now to move again (ToMove has not been swapped back yet).
    int restored = 0;
    while (CaptureLog_.Count > 0 &&
           CaptureLog_.Entries[CaptureLog_.Count - 1].MoveNo == MoveCount_) {
      const TCaptureRecord stone = CaptureLog_.Entries[--CaptureLog_.Count];
      ++restored;
      if (ShowNumbers_) {
        FindNumberFor(stone.X, stone.Y);
      } else {
        DisplayNumber_ = 0;
      }
      PlaceStone(stone.X, stone.Y, ToMove_);
    }
    (ToMove_ == kBlack ? WhiteCaptures_ : BlackCaptures_) -= restored;
  }
  SwapTurns();  // the colour that played the taken-back move is to move again
  const TMoveRecord& current = MoveHistory_[MoveCount_];
  if (!ShowNumbers_ && current.X > 0) SetNumber(current.X, current.Y, LastMoveMark);
  RaiseMove(false);
  return true;
}

void TGoBoard::PrepareNumber() {
  if (ShowNumbers_) {
    DisplayNumber_ =
        ClampNumber(std::int64_t{MoveCount_} + 1 - FirstMove_ + std::int64_t{StartNumber_});
    return;
  }
  // Only the newest stone carries the mark: take it off the stone of the current move.
  const TMoveRecord& current = MoveHistory_[MoveCount_];
  if (current.X > 0 && IsOnBoard(current.X, current.Y) &&
      NumberGrid_[current.Y - 1][current.X - 1] > 0) {
    NumberGrid_[current.Y - 1][current.X - 1] = 0;
    if (OnPointChanged) OnPointChanged(*this, current.X, current.Y, 0, current.Colour);
  }
  DisplayNumber_ = LastMoveMark;
}

void TGoBoard::FindNumberFor(int X, int Y) {
  const std::int64_t lowest = std::max<std::int64_t>(std::int64_t{FirstMove_} + 1, 1);
  for (std::int64_t i = MoveCount_; i >= lowest; --i) {
    if (MoveHistory_[i].X == X && MoveHistory_[i].Y == Y) {
      DisplayNumber_ = ClampNumber(i - FirstMove_ + StartNumber_);
      return;
    }
  }
  DisplayNumber_ = 0;
}

void TGoBoard::SetLastMove(int N) {
  LastMove_ = std::clamp(N, 0, kMaxMoves);
}

void TGoBoard::GetCurrentMove(int& X, int& Y, std::uint8_t& Colour) const {
  X = MoveHistory_[MoveCount_].X;
  Y = MoveHistory_[MoveCount_].Y;
  Colour = Opponent_;
}

TMoveInfo TGoBoard::GetMoveInfo() const {
  return TMoveInfo{MoveHistory_[MoveCount_].X,
                   MoveHistory_[MoveCount_].Y,
                   MoveCount_,
                   WhiteCaptures_,
                   BlackCaptures_,
                   ToMove_};
}

void TGoBoard::SetNumbering(const TNumbering& N) {
  StartNumber_ = N.StartNumber;
  FirstMove_ = N.FirstMove;
  ShowNumbers_ = N.ShowNumbers;
}

void TGoBoard::SetShowNumbers(bool Show) {
  ShowNumbers_ = Show;
}

void TGoBoard::GetMoveNumbers(TNumberGrid& Grid) {
  for (auto& row : Grid) row.fill(0);
  for (int i = 1; i <= MoveCount_; ++i) {
    const TMoveRecord& move = MoveHistory_[i];
    if (move.X > 0 && Point(move.X, move.Y) != kEmpty) Grid[move.Y - 1][move.X - 1] = i;
  }
  SetNumbering(TNumbering{.StartNumber = 1, .FirstMove = 1, .ShowNumbers = true});
}

void TGoBoard::GetMoveList(int Count, TMoveList& List) const {
  List.Count = std::clamp(Count, 0, kMaxMoves);
  List.Size = Size_;
  for (int i = 1; i <= List.Count; ++i) {
    List.Moves[i - 1] = TMovePoint{static_cast<std::uint8_t>(MoveHistory_[i].X),
                                   static_cast<std::uint8_t>(MoveHistory_[i].Y)};
  }
}

void TGoBoard::SavePosition(TBoardSnapshot& S) const {
  S.Size = Size_;
  S.ToMove = ToMove_;
  S.BlackCaptures = BlackCaptures_;
  S.WhiteCaptures = WhiteCaptures_;
  S.HandicapCount = HandicapCount_;
  S.MoveCount = MoveCount_;
  S.CaptureLog = CaptureLog_;
  S.MoveHistory = MoveHistory_;
  S.Points = Points_;
  S.NumberGrid = NumberGrid_;
}

void TGoBoard::LoadPosition(const TBoardSnapshot& S, bool MarkLast, bool SetLast) {
  TakeLine(S);
  BlackCaptures_ = S.BlackCaptures;
  WhiteCaptures_ = S.WhiteCaptures;
  Size_ = S.Size;
  MoveCount_ = S.MoveCount;
  MendLoadedState();
  if (SetLast) LastMove_ = MoveCount_;
  const TMoveRecord& current = MoveHistory_[MoveCount_];
  // A pass has no stone to mark.
  if (MarkLast && MoveCount_ > 0 && IsOnBoard(current.X, current.Y) && OnStonePlaced) {
    OnStonePlaced(*this, current.X, current.Y, LastMoveMark, Opponent_);
  }
}

void TGoBoard::RestoreLine(const TBoardSnapshot& S) {
  TakeLine(S);
  MendLoadedState();
  LastMove_ = MoveCount_;
}

void TGoBoard::TakeLine(const TBoardSnapshot& S) {
  ToMove_ = S.ToMove;
  HandicapCount_ = S.HandicapCount;
  CaptureLog_ = S.CaptureLog;
  MoveHistory_ = S.MoveHistory;
  Points_ = S.Points;
  NumberGrid_ = S.NumberGrid;
}

void TGoBoard::MendLoadedState() {
  Size_ = std::clamp<std::uint8_t>(Size_, 1, kMaxBoardSize);
  if (ToMove_ != kWhite) ToMove_ = kBlack;
  Opponent_ = OtherColour(ToMove_);
  MoveCount_ = std::clamp(MoveCount_, 0, kMaxMoves);
  LastMove_ = std::clamp(LastMove_, 0, kMaxMoves);
  CaptureLog_.Count = std::clamp(CaptureLog_.Count, 0, kCaptureLogCapacity);
  // Far above any real count, and far enough from the integer limits that adding and taking
  // back captures stays defined.
  constexpr std::int32_t kMaxCounter = 1 << 24;
  BlackCaptures_ = std::clamp(BlackCaptures_, 0, kMaxCounter);
  WhiteCaptures_ = std::clamp(WhiteCaptures_, 0, kMaxCounter);
  for (auto& row : Points_) {
    for (auto& point : row) {
      if (point > kWhite) point = kEmpty;
    }
  }
}

}  // namespace moyo
