#pragma once
// The painted board of a record after a given move, drawn off screen the way
// the viewer shows it.

#include <QImage>

#include "platform/qt/QtBitmapStore.h"
#include "record/TGameRecord.h"

namespace moyo::app {

struct RenderOptions {
  int move = 0;          // moves played from the start, capped at the record's last
  int cell = 26;         // pixels a point
  int margin = 20;       // pixels right of and below the board for shadow and labels
  bool flip = false;     // turned by 180 degrees
  bool numbers = false;  // every move's number instead of the last-move mark
};

// Replays record as the viewer enters it and paints the position after
// options.move with the pictures of store.
QImage RenderRecordBoard(const TGameRecord& record, const RenderOptions& options,
                         platform::QtBitmapStore& store);

}  // namespace moyo::app
