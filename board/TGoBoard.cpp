// The position, the rule that plays a stone, handicap and the point notifications.
#include "board/TGoBoard.h"

#include <algorithm>

#include "board/MoveTest.h"

namespace moyo {
namespace {

TBoardSnapshot EmptyPosition(std::uint8_t Size) {
  TBoardSnapshot s;
  InitPosition(Size, s);
  return s;
}

}  // namespace

TGoBoard::TGoBoard() : TGoBoard(TNumbering{}, EmptyPosition(kMaxBoardSize)) {}

TGoBoard::TGoBoard(const TNumbering& Numbering, const TBoardSnapshot& Snapshot) {
  TakeLine(Snapshot);
  Size_ = Snapshot.Size;
  MoveCount_ = Snapshot.MoveCount;
  HandicapOrder_ = Snapshot.HandicapOrder;
  SetNumbering(Numbering);
  MendLoadedState();
  LastMove_ = MoveCount_;
}

void TGoBoard::NewGame(std::uint8_t Size) {
  const TBoardSnapshot s = EmptyPosition(Size);
  TakeLine(s);
  Size_ = s.Size;
  MoveCount_ = s.MoveCount;
  HandicapOrder_ = s.HandicapOrder;
  BlackCaptures_ = 0;
  WhiteCaptures_ = 0;
  MendLoadedState();
  LastMove_ = 0;
}

void TGoBoard::SetHandicap(int Count, std::uint8_t Order) {
  HandicapCount_ = Count;
  HandicapOrder_ = Order;
  if (Count < 2 || Count > 19) return;
  // The star points of the board: low and high third or fourth line, and the centre line.
  int lo = 0, mid = 0, hi = 0;
  switch (Size_) {
    case 19:
      lo = 4, mid = 10, hi = 16;
      break;
    case 13:
      lo = 4, mid = 7, hi = 10;
      break;
    case 9:
      lo = 3, mid = 5, hi = 7;
      break;
    default:
      return;
  }
  DisplayNumber_ = 0;
  SwapTurns();
  SetPoint(hi, lo, kBlack);
  SetPoint(lo, hi, kBlack);
  if (Count >= 3) (Order != 0) ? SetPoint(hi, hi, kBlack) : SetPoint(lo, lo, kBlack);
  if (Count >= 4) (Order != 0) ? SetPoint(lo, lo, kBlack) : SetPoint(hi, hi, kBlack);
  if (Count == 5 || Count == 7 || Count == 9) SetPoint(mid, mid, kBlack);
  if (Count >= 6) {
    SetPoint(lo, mid, kBlack);
    SetPoint(hi, mid, kBlack);
  }
  if (Count >= 8) {
    SetPoint(mid, lo, kBlack);
    SetPoint(mid, hi, kBlack);
  }
  if (Count >= 10 && Size_ == 19) {
    SetPoint(7, 7, kBlack);
    SetPoint(7, 13, kBlack);
    SetPoint(13, 7, kBlack);
    SetPoint(13, 13, kBlack);
  }
}

void TGoBoard::SetToMove(std::uint8_t Colour) {
  if (Colour != kBlack && Colour != kWhite) return;
  ToMove_ = Colour;
  Opponent_ = OtherColour(Colour);
}

void TGoBoard::SetupStone(int X, int Y, std::uint8_t Colour) {
  if (MoveCount_ != 0 || !IsOnBoard(X, Y) || Colour > kWhite) return;
  DisplayNumber_ = 0;
  if (Colour == kEmpty) {
    RemoveStone(X, Y);
  } else {
    SetPoint(X, Y, Colour);
  }
}

bool TGoBoard::IsOnBoard(int X, int Y) const {
  return X >= 1 && X <= Size_ && Y >= 1 && Y <= Size_;
}

bool TGoBoard::IsEmptyPoint(int X, int Y) const {
  return IsOnBoard(X, Y) && Points_[Y - 1][X - 1] == kEmpty;
}

std::uint8_t TGoBoard::Point(int X, int Y) const {
  return IsOnBoard(X, Y) ? Points_[Y - 1][X - 1] : kEmpty;
}

void TGoBoard::RunMoveTest(int X, int Y, TMoveTestResult& Test) const {
  TestMove(Points_, Size_, X, Y, ToMove_, MoveHistory_[MoveCount_], Test);
  // A move whose captures the log cannot hold is refused rather than forgotten on the way back;
  // only a loaded position with an overfull log can come here.
  if (CaptureLog_.Count + Test.Captures.Count() > kCaptureLogCapacity) Test.Allowed = false;
}

bool TGoBoard::IsLegal(int X, int Y) const {
  if (HistoryFull()) return false;
  TMoveTestResult test;
  RunMoveTest(X, Y, test);
  return test.Allowed;
}

bool TGoBoard::PlayMove(int X, int Y, bool Place) {
  TMoveTestResult test;
  if (!HistoryFull()) RunMoveTest(X, Y, test);
  if (!test.Allowed) {
    Refuse();
    LastMove_ = MoveCount_;
    return false;
  }
  if (MoveCount_ < FirstMove_) FirstMove_ = MoveCount_;
  Commit(X, Y, Place, test);
  LastMove_ = MoveCount_;
  RaiseMove(true);
  return true;
}

void TGoBoard::Commit(int X, int Y, bool Place, TMoveTestResult& Test) {
  PrepareNumber();
  if (Place) PlaceStone(X, Y, ToMove_);
  RemoveCaptured(Test);
  RecordMove(X, Y, Test.KoX, Test.KoY);
  SwapTurns();
}

void TGoBoard::RemoveCaptured(TMoveTestResult& Test) {
  const int n = Test.Captures.Count();
  if (n == 0) return;
  (ToMove_ == kBlack ? BlackCaptures_ : WhiteCaptures_) += n;
  int x = 0, y = 0;
  while (Test.Captures.Pop(x, y)) {
    if (CaptureLog_.Count < kCaptureLogCapacity) {
      CaptureLog_.Entries[CaptureLog_.Count++] = TCaptureRecord{x, y, MoveCount_};
    }
    RemoveStone(x, y);
  }
}

void TGoBoard::RecordMove(int X, int Y, int KoX, int KoY) {
  ++MoveCount_;
  MoveHistory_[MoveCount_] = TMoveRecord{ToMove_, X, Y, KoX, KoY};
}

void TGoBoard::SwapTurns() {
  std::swap(ToMove_, Opponent_);
}

void TGoBoard::ExportPoints(TExportGrid& Grid) const {
  for (int y = 0; y < Size_; ++y) {
    for (int x = 0; x < Size_; ++x) {
      const std::uint8_t c = Points_[y][x];
      Grid[y][x] =
          TExportCell{-1, c == kBlack ? kExportBlack : (c == kWhite ? kExportWhite : kExportEmpty)};
    }
  }
}

void TGoBoard::Refuse() {
  static const std::string kRefusal = " ";
  if (OnMessage) OnMessage(*this, kRefusal);
}

void TGoBoard::RaiseMove(bool Added) {
  if (OnMove) OnMove(*this, GetMoveInfo(), Added);
}

void TGoBoard::RaisePoint(int X, int Y, int Number) {
  const std::uint8_t colour = Points_[Y - 1][X - 1];
  if (Number != 0) {
    if (OnStonePlaced) OnStonePlaced(*this, X, Y, Number, colour);
  } else if (OnPointChanged) {
    OnPointChanged(*this, X, Y, 0, colour);
  }
}

void TGoBoard::SetNumber(int X, int Y, int N) {
  if (!IsOnBoard(X, Y)) return;
  NumberGrid_[Y - 1][X - 1] = N;
  RaisePoint(X, Y, N);
}

void TGoBoard::PlaceStone(int X, int Y, std::uint8_t C) {
  if (!IsOnBoard(X, Y)) return;
  Points_[Y - 1][X - 1] = C;
  SetNumber(X, Y, DisplayNumber_);
}

void TGoBoard::SetPoint(int X, int Y, std::uint8_t C) {
  if (!IsOnBoard(X, Y)) return;
  Points_[Y - 1][X - 1] = C;
  RaisePoint(X, Y, DisplayNumber_);
}

void TGoBoard::RemoveStone(int X, int Y) {
  if (!IsOnBoard(X, Y)) return;
  Points_[Y - 1][X - 1] = kEmpty;
  NumberGrid_[Y - 1][X - 1] = 0;
  if (OnPointChanged) OnPointChanged(*this, X, Y, 0, kEmpty);
}

}  // namespace moyo
