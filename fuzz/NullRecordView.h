#pragma once
// Applying whatever a reader read, as the viewer would, for the fuzz targets.

#include "record/NullRecordView.h"

namespace moyo::fuzz {

// Applies the record to a board and walks its line to the end; every walk must end.
inline void ApplyAndReplay(TGameRecord& record, TGoBoard& board) {
  TNullRecordView view;
  ApplyRecord(record, "1", board, view);
  if (board.LastMove() > record.moveCount) __builtin_trap();
  while (board.Forward()) {
  }
}

}  // namespace moyo::fuzz
