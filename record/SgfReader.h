#pragma once
// The reader of standard SGF records (FF[1] to FF[4], Go).

#include <string_view>

#include "record/TGameRecord.h"
#include "record/TReadResult.h"

namespace moyo {

// Reads the first game of an SGF text (CP949 by now) into `record`, which is cleared first.
// The main line is the first branch at every node; every other branch becomes a
// reference diagram attached to the move where it leaves the main line. A root with a
// standard handicap pattern gives the handicap count, other root stones the setup list.
// Fails on a text with no game, a game other than Go, or a board larger than 19 lines.
TReadResult ReadSgfRecord(TGameRecord& record, std::string_view text);

}  // namespace moyo
