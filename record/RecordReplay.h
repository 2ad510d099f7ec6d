#pragma once
// Putting a record on a board model: its start position and its moves, each by the colour
// the record gives it, so records with setup stones or moves out of turn keep their colours.

#include <cstdint>
#include <vector>

#include "board/TGoBoard.h"
#include "record/TGameRecord.h"

namespace moyo {

// The board model's colour for a record colour.
std::uint8_t BoardColour(std::uint8_t recordColour);

// On a board just reset to the record's size: the handicap stones, or the setup stones when
// the record has them, and the side to move first when the record names it.
void PlaceStartStones(const TGameRecord& record, TGoBoard& board);

// Enters one record move by its own colour: a pass where x is 0, else the stone (put down
// when `place`). Returns whether the board took it.
bool EnterRecordMove(TGoBoard& board, const TRecordMove& move, bool place);

// Stores the main line in a board holding the record's start position as the viewer
// replays it, and leaves the board at the start: every move entered without a stone
// put down, then judged under the full rules on one replay to the end. When the
// replay refuses a stored move (a damaged record), that move is left out and the
// moves after it are played for real from there, each one the rules refuse skipped,
// so the rest of the game stays reachable.
void EnterMainLine(const TGameRecord& record, TGoBoard& board);

// The position after the first `moves` moves of the main line (all of it when `moves` is
// larger), played under the full rules on a board reset to the record's size; moves the
// rules refuse are left out. Returns the moves played.
int ReplayRecord(const TGameRecord& record, int moves, TGoBoard& board);

// The black stones of a standard handicap of `count` on a board of `size`, in the order the
// board model puts them; empty where the board has no pattern for that count.
std::vector<TRecordMove> HandicapStones(std::uint8_t size, int count);

}  // namespace moyo
