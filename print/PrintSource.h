#pragma once
// What a print takes from the viewer: the moves of the record's line, the
// header texts and the handicap. The print button and `moyoscope print` both
// take them from here, so a record prints the same either way.

#include <cstdint>

#include "board/BoardRecords.h"
#include "board/TGoBoard.h"
#include "print/TGamePInfo.h"
#include "record/TGameRecord.h"

namespace moyo {

struct TPrintSource {
  TMoveList moves;
  TGamePInfo header;
  int handicap = 0;
};

// The print of a viewer showing a record: the board's line up to its last
// move, the header of the record as shown (a handicap game's komi text already
// replaced by its handicap text) and the viewer's handicap byte.
TPrintSource ViewerPrintSource(const TGoBoard& board, const TGiboInfo& shown,
                               std::uint8_t handicapByte);

// The print of record as the viewer gives it once it has shown the record:
// the record is shown on a board of its own first, which rewrites its header.
TPrintSource RecordPrintSource(TGameRecord& record);

}  // namespace moyo
