#pragma once
// The reader of GIB records, the format of another Korean Go service: "\[KEY=value\]"
// header lines, then an "INI" line with the handicap and one "STO" line per move.

#include <string_view>

#include "record/TGameRecord.h"
#include "record/TReadResult.h"

namespace moyo {

// Reads a GIB text (CP949 by now) into `record`, which is cleared first: players and
// ranks, title, place, date, result, komi, times, handicap and the moves. A text that
// ends before its game's end line loads what it has and says so.
TReadResult ReadGibRecord(TGameRecord& record, std::string_view text);

}  // namespace moyo
