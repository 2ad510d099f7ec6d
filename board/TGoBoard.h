#pragma once
// The rules engine behind every board: one position with captures, suicide and ko, and
// one line of moves that steps back and forth without replaying from the start. It draws
// nothing; every change of a point is reported through the point events.

#include <cstdint>
#include <functional>
#include <string>

#include "board/BoardRecords.h"
#include "board/BoardTypes.h"

namespace moyo {

struct TMoveTestResult;

class TGoBoard {
 public:
  // A point got a stone or a number (OnStonePlaced), or became empty or lost its number
  // (OnPointChanged). Colour is the point's colour; Number the number or mark code, 0 none.
  using TPointEvent =
      std::function<void(const TGoBoard& Sender, int X, int Y, int Number, std::uint8_t Colour)>;
  // A refused request; the text is a single space.
  using TMessageEvent = std::function<void(const TGoBoard& Sender, const std::string& Text)>;
  // After every move, pass (Added true) and take-back (Added false).
  using TMoveEvent = std::function<void(const TGoBoard& Sender, const TMoveInfo& Info, bool Added)>;

  // An empty 19 x 19 board with numbering cleared.
  TGoBoard();
  // A board holding the snapshot's position and line, ending at its current move; capture
  // counters start at 0. Out-of-range snapshot fields are brought into range.
  TGoBoard(const TNumbering& Numbering, const TBoardSnapshot& Snapshot);

  // Handlers must not change the board while it reports; all are empty until assigned.
  TMessageEvent OnMessage;
  TPointEvent OnStonePlaced;
  TPointEvent OnPointChanged;
  TMoveEvent OnMove;

  // --- Position and rules ---

  // Resets to an empty board of Size (clamped to 1..19) without point events.
  void NewGame(std::uint8_t Size);
  // Puts Count handicap stones (2..19, on 9, 13 and 19 boards only) and gives White the move.
  // Order 0 puts the third stone top-left instead of bottom-right.
  void SetHandicap(int Count, std::uint8_t Order);
  // Makes Colour (kBlack or kWhite) the side to move, for records with moves out of turn or
  // a stated first player; any other value changes nothing.
  void SetToMove(std::uint8_t Colour);
  // Before the first move: puts a stone of Colour on (X, Y), or empties it with kEmpty, as
  // part of the start position (no number, not in the line, no captures). Ignored off the
  // board or once a move has been made.
  void SetupStone(int X, int Y, std::uint8_t Colour);
  // True when 1 <= X, Y <= Size.
  bool IsOnBoard(int X, int Y) const;
  // True when the point is on the board and empty.
  bool IsEmptyPoint(int X, int Y) const;
  // True exactly when PlayMove(X, Y, ...) would play; changes nothing and raises nothing.
  bool IsLegal(int X, int Y) const;
  // Plays the side to move at (X, Y) with its captures; with Place false the stone is only
  // recorded. A refused move (occupied, off the board, suicide, ko, history full) changes
  // nothing but raises OnMessage. Either way the stored line is cut at the current move.
  // Returns whether the move was played.
  bool PlayMove(int X, int Y, bool Place);
  // Fills the first Size x Size cells: number -1 and colour code 0 black, 1 white, 2 empty.
  void ExportPoints(TExportGrid& Grid) const;

  // --- Move history ---

  // Replays move MoveCount + 1 under the rules, by the colour that played it; false at the
  // end of the line, or when the stored move is refused (a damaged line), so replay loops
  // always end.
  bool Forward();
  // Records a pass for the side to move; false (and OnMessage) when the history is full.
  // The line end stays: after a pass at the end, SetLastMove keeps it replayable.
  bool Pass();
  // Takes back the current move and puts its captured stones back; the colour that played it
  // is to move again. False at the start.
  bool Back();
  // Sets the end of the stored line (clamped to 0..500), to restore a saved line end.
  void SetLastMove(int N);
  // The current move's point (X = -1, Y = 0 at the start) and the colour that played it.
  void GetCurrentMove(int& X, int& Y, std::uint8_t& Colour) const;
  // What OnMove would report now.
  TMoveInfo GetMoveInfo() const;
  // Sets start number, first numbered move and whether numbers are shown.
  void SetNumbering(const TNumbering& N);
  // Switches between move numbers and the last-move mark for stones to come.
  void SetShowNumbers(bool Show);
  // Fills Grid with the latest move number of every occupied point (0 elsewhere) and
  // switches numbering to start 1, first move 1, numbers shown.
  void GetMoveNumbers(TNumberGrid& Grid);
  // Writes Count (clamped to 0..500), the board's size and the points of history entries
  // 1..Count as bytes; an entry that never held a move comes out as 255, 0.
  void GetMoveList(int Count, TMoveList& List) const;
  // Writes the whole position into S; S.HandicapOrder is left as it is.
  void SavePosition(TBoardSnapshot& S) const;
  // Takes the position from S (numbering and HandicapOrder untouched). SetLast ends the line
  // at the current move; MarkLast reports the current stone with LastMoveMark.
  void LoadPosition(const TBoardSnapshot& S, bool MarkLast, bool SetLast);
  // Takes the line and points from S but keeps MoveCount, the counters and Size; ends the
  // line at the current move.
  void RestoreLine(const TBoardSnapshot& S);

  // --- Read-only state ---

  std::uint8_t Size() const { return Size_; }
  // The colour that plays next.
  std::uint8_t ToMove() const { return ToMove_; }
  // The colour that made the current move: always OtherColour(ToMove()).
  std::uint8_t Opponent() const { return Opponent_; }
  // White stones removed by Black.
  std::int32_t BlackCaptures() const { return BlackCaptures_; }
  // Black stones removed by White.
  std::int32_t WhiteCaptures() const { return WhiteCaptures_; }
  std::int32_t HandicapCount() const { return HandicapCount_; }
  std::uint8_t HandicapOrder() const { return HandicapOrder_; }
  // The current move, 0 before the first.
  std::int32_t MoveCount() const { return MoveCount_; }
  // The end of the stored line, the last move Forward can reach.
  std::int32_t LastMove() const { return LastMove_; }
  std::int32_t FirstMove() const { return FirstMove_; }
  std::int32_t StartNumber() const { return StartNumber_; }
  bool ShowNumbers() const { return ShowNumbers_; }
  // Entries 0..LastMove() are the stored line.
  const TMoveHistory& MoveHistory() const { return MoveHistory_; }
  const TCaptureLog& CaptureLog() const { return CaptureLog_; }
  // Point colours, [Y-1][X-1].
  const TPointGrid& Points() const { return Points_; }
  // The number or mark attached to each point, [Y-1][X-1].
  const TNumberGrid& NumberGrid() const { return NumberGrid_; }
  // The colour of one point; 0 off the board.
  std::uint8_t Point(int X, int Y) const;

 private:
  void RunMoveTest(int X, int Y, TMoveTestResult& Test) const;
  bool HistoryFull() const { return MoveCount_ >= kMaxMoves; }
  void Commit(int X, int Y, bool Place, TMoveTestResult& Test);
  void RemoveCaptured(TMoveTestResult& Test);
  void PrepareNumber();
  void FindNumberFor(int X, int Y);
  void RecordMove(int X, int Y, int KoX, int KoY);
  void SwapTurns();
  void RaiseMove(bool Added);
  void Refuse();
  void RaisePoint(int X, int Y, int Number);
  void SetNumber(int X, int Y, int N);
  void PlaceStone(int X, int Y, std::uint8_t C);
  void SetPoint(int X, int Y, std::uint8_t C);
  void RemoveStone(int X, int Y);
  void TakeLine(const TBoardSnapshot& S);
  void MendLoadedState();

  std::uint8_t Opponent_ = kWhite;
  std::int32_t DisplayNumber_ = 0;
  std::uint8_t ToMove_ = kBlack;
  std::int32_t BlackCaptures_ = 0;
  std::int32_t WhiteCaptures_ = 0;
  std::uint8_t HandicapOrder_ = 1;
  std::int32_t HandicapCount_ = 0;
  std::int32_t StartNumber_ = 0;
  std::int32_t LastMove_ = 0;
  TCaptureLog CaptureLog_{};
  TNumberGrid NumberGrid_{};
  std::uint8_t Size_ = kMaxBoardSize;
  bool ShowNumbers_ = false;
  std::int32_t FirstMove_ = 0;
  std::int32_t MoveCount_ = 0;
  TMoveHistory MoveHistory_{};
  TPointGrid Points_{};
};

}  // namespace moyo
