#pragma once
// The print move list of a record, as the viewer's board holds its main line.

#include "board/BoardRecords.h"
#include "record/TGameRecord.h"

namespace moyo {

// The record's moves entered on a board as the viewer enters them (handicap
// order 1, no stones put down, refused moves left out), read back as a move list.
TMoveList RecordMoveList(const TGameRecord& record);

}  // namespace moyo
