#pragma once
// The question-and-answer text: the game up to the move on the board, written
// for the host in a short NGF-style form.

#include <string>

#include "record/TGameRecord.h"

namespace moyo {

// The question-and-answer text for `record` with its first `shownMoves` moves
// (kept within 0 and the record's moves), lines ended by CR LF.
std::string QnaText(const TGameRecord& record, int shownMoves);

// Creates or overwrites the file `path` with QnaText. Returns an empty text on
// success, else why the file could not be written. Never blocks on a pipe or device.
std::string ExportQnaRecord(const TGameRecord& record, int shownMoves, const std::string& path);

}  // namespace moyo
