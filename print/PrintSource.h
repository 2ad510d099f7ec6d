#pragma once
// What a print takes from the viewer: the record's line from its start
// position, each move by the colour that played it, and the header texts. The print button and
// `moyoscope print` both take them from here, so a record prints the same either way.

#include <cstdint>

#include "board/TGoBoard.h"
#include "print/PrintLine.h"
#include "print/TGamePInfo.h"
#include "record/TGameRecord.h"

namespace moyo {

struct TPrintSource {
  TPrintLine line;
  TGamePInfo header;
};

// The print of a viewer showing a record: the board's line up to its last
// move, from its start position (setup stones, or the handicap byte's
// stones when the board has a handicap), the header of the record as shown (a handicap game's komi
// text already replaced by its handicap text) and the viewer's handicap byte.
TPrintSource ViewerPrintSource(const TGoBoard& board, const TGiboInfo& shown,
                               std::uint8_t handicapByte);

// The print of record as the viewer gives it once it has shown the record:
// the record is shown on a board of its own first, which rewrites its header.
TPrintSource RecordPrintSource(TGameRecord& record);

}  // namespace moyo
