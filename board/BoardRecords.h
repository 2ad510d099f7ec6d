#pragma once
// The plain records of the board model: history entries, the capture log, numbering,
// whole-position snapshots and what the move event and the exports hand out.

#include <array>
#include <cstdint>

#include "board/BoardTypes.h"

namespace moyo {

// The capture log has room for every stone that can leave the board along one line:
// each of the kMaxMoves moves puts down at most one stone, and the starting position
// (handicap stones, or a loaded position) holds at most one stone a point.
inline constexpr int kCaptureLogCapacity = kMaxMoves + kMaxBoardSize * kMaxBoardSize;

// One history entry. Entry 0 (X = -1) stands for the position before the first move.
struct TMoveRecord {
  // The colour that was to move when the move was recorded.
  std::uint8_t Colour = 0;
  // The point; 0, 0 is a pass and X = -1 an entry without a move.
  std::int32_t X = 0;
  std::int32_t Y = 0;
  // The single stone this move captured, else 0, 0.
  std::int32_t KoX = 0;
  std::int32_t KoY = 0;
  friend bool operator==(const TMoveRecord&, const TMoveRecord&) = default;
};

// One removed stone of the capture log.
struct TCaptureRecord {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  // The move count before the capturing move was recorded: move k logs k-1.
  std::int32_t MoveNo = 0;
  friend bool operator==(const TCaptureRecord&, const TCaptureRecord&) = default;
};

// Every stone removed on the way from the start of the line to the current move, in removal order.
struct TCaptureLog {
  std::int32_t Count = 0;
  std::array<TCaptureRecord, kCaptureLogCapacity> Entries{};
  friend bool operator==(const TCaptureLog&, const TCaptureLog&) = default;
};

// History entries 0..kMaxMoves.
using TMoveHistory = std::array<TMoveRecord, kMaxMoves + 1>;

// Move numbering: move i shows i - FirstMove + StartNumber when ShowNumbers is set;
// otherwise only the newest stone carries LastMoveMark.
struct TNumbering {
  std::int32_t StartNumber = 0;
  std::int32_t FirstMove = 0;
  bool ShowNumbers = false;
  friend bool operator==(const TNumbering&, const TNumbering&) = default;
};

// A whole position of a board model with its line of play, as hosts save and load it.
struct TBoardSnapshot {
  std::uint8_t Size = 0;
  std::uint8_t ToMove = 0;
  std::int32_t BlackCaptures = 0;
  std::int32_t WhiteCaptures = 0;
  std::int32_t HandicapCount = 0;
  std::uint8_t HandicapOrder = 0;
  std::int32_t MoveCount = 0;
  TCaptureLog CaptureLog{};
  TMoveHistory MoveHistory{};
  TPointGrid Points{};
  TNumberGrid NumberGrid{};
  friend bool operator==(const TBoardSnapshot&, const TBoardSnapshot&) = default;
};

// What the move event reports about the position after a change.
struct TMoveInfo {
  // The current move's point (0, 0 a pass, X = -1 the start).
  std::int32_t X = 0;
  std::int32_t Y = 0;
  std::int32_t MoveNo = 0;
  std::int32_t WhiteCaptures = 0;
  std::int32_t BlackCaptures = 0;
  std::uint8_t NextColour = 0;
  friend bool operator==(const TMoveInfo&, const TMoveInfo&) = default;
};

// One move of an exported move list as two bytes; 0, 0 is a pass.
struct TMovePoint {
  std::uint8_t X = 0;
  std::uint8_t Y = 0;
  friend bool operator==(const TMovePoint&, const TMovePoint&) = default;
};

// The moves 1..Count of a line, as GetMoveList writes them, and the size of their board.
struct TMoveList {
  std::int32_t Count = 0;
  std::uint8_t Size = kMaxBoardSize;
  std::array<TMovePoint, kMaxMoves> Moves{};
};

// Colour codes of an exported point.
inline constexpr std::int32_t kExportBlack = 0;
inline constexpr std::int32_t kExportWhite = 1;
inline constexpr std::int32_t kExportEmpty = 2;

// One exported point: a number (always -1 from the board) and a colour code.
struct TExportCell {
  std::int32_t Number = -1;
  std::int32_t Colour = kExportEmpty;
};

// 19 x 19 exported points, indexed [Y-1][X-1].
using TExportGrid = std::array<std::array<TExportCell, kMaxBoardSize>, kMaxBoardSize>;

// Fills Snapshot with an empty board of the given size, Black to move, no history.
void InitPosition(std::uint8_t Size, TBoardSnapshot& Snapshot);

// The other player's colour: 2 for 1, and 1 for any other value.
constexpr std::uint8_t OtherColour(std::uint8_t C) {
  return C == kBlack ? kWhite : kBlack;
}

// Sets every field of the numbering to zero.
void ClearNumbering(TNumbering& N);

}  // namespace moyo
