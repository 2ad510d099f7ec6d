#pragma once
// The loaded game record: header, main line and commentary items, filled in
// place by the readers and read by the viewer, printing and the reference window.

#include <array>
#include <cstdint>
#include <string>

namespace moyo {

// Room in the record; readers drop what does not fit.
inline constexpr int kMaxRecordMoves = 500;
inline constexpr int kMaxCommentEntries = 2000;
// Board sizes a record may have; the service's own formats are always 19 x 19.
inline constexpr std::uint8_t kMinRecordBoardSize = 2;
inline constexpr std::uint8_t kMaxRecordBoardSize = 19;

// Colours of a record move (the board model has its own colour codes).
inline constexpr std::uint8_t kRecordBlack = 0;
inline constexpr std::uint8_t kRecordWhite = 1;
// The side to move at the start when the record does not say: as the handicap decides.
inline constexpr std::uint8_t kRecordNoColour = 2;

// Room for stones set up before the first move: every point of the largest board.
inline constexpr int kMaxSetupStones = 19 * 19;

// Kinds of a commentary item.
inline constexpr std::int16_t kCommentText = 1;
inline constexpr std::int16_t kReferenceDiagram = 2;

// The header of a record; texts are CP949 bytes.
struct TGiboInfo {
  std::string title;
  std::uint16_t handicap = 0;  // 0 is an even game
  std::string date;
  std::string place;
  std::string blackName;
  std::string whiteName;
  std::string result;
  std::string mainTime;
  std::string byoyomiTime;
  std::string byoyomiCount;
  std::string komi;
  std::string blackRank;
  std::string whiteRank;
  std::string recordKind;  // "1": the summary is the record's only commentary
  std::string summary;
  friend bool operator==(const TGiboInfo&, const TGiboInfo&) = default;
};

// One main-line move; x = 0 is a pass. Coordinates count from 1 at the top left.
struct TRecordMove {
  std::uint8_t x = 0;
  std::uint8_t y = 0;
  std::uint8_t colour = kRecordBlack;
  friend bool operator==(const TRecordMove&, const TRecordMove&) = default;
};

// One commentary item: a text (kind 1) or a reference-diagram string (kind 2).
struct TCommentEntry {
  std::string text;
  std::int32_t moveNo = 0;  // the move it follows; 0 is the start position
  std::int16_t kind = kCommentText;
  friend bool operator==(const TCommentEntry&, const TCommentEntry&) = default;
};

// The whole record. It is large (about 80 KB), so the viewer holds one and reuses it.
struct TGameRecord {
  TGiboInfo info;
  std::uint8_t boardSize = kMaxRecordBoardSize;  // lines on each side
  // Stones on the board before the first move that are not a standard handicap: placed
  // like handicap stones (no number, not in the line of play), blacks first.
  std::int32_t setupCount = 0;
  std::array<TRecordMove, kMaxSetupStones> setup{};
  // Who plays first when the record says so (kRecordBlack or kRecordWhite).
  std::uint8_t firstColour = kRecordNoColour;
  std::int32_t moveCount = 0;
  std::array<TRecordMove, kMaxRecordMoves> moves{};  // moves[0] is move 1
  std::int32_t commentCount = 0;
  std::array<TCommentEntry, kMaxCommentEntries> comments{};  // comments[0] is item 1

  // Empties the record, as before the first load; the readers themselves keep old items.
  void Clear();
  // Appends a main-line move; false (and nothing stored) when the line is full.
  bool AddMove(TRecordMove move) {  // inline: the readers call it once per move
    if (moveCount < 0 || moveCount >= kMaxRecordMoves) return false;
    moves[static_cast<std::size_t>(moveCount++)] = move;
    return true;
  }
  // Appends a commentary item; false (and nothing stored) when the table is full.
  bool AddComment(std::int32_t moveNo, std::int16_t kind, std::string text);
  // Puts a setup stone on (x, y), replacing one already there; colour kRecordNoColour
  // takes it away. False when the list is full.
  bool SetSetupStone(TRecordMove stone);

  friend bool operator==(const TGameRecord&, const TGameRecord&) = default;
};

}  // namespace moyo
