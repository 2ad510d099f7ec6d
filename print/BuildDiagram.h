#pragma once
// Building the content of one printed diagram from the record's moves: the
// stones already on the board when the diagram begins (no numbers), the
// diagram's moves with their numbers, and the retake list of moves played
// where a stone of the diagram already stands.

#include <cstdint>

#include "print/LDispGGrid.h"
#include "print/PrintLine.h"
#include "print/TRetakeList.h"

namespace moyo {

// One diagram: its board and its retake list.
struct TDiagram {
  LDispGGrid board;
  TRetakeList retakes;
};

// Fills diagram with moves startMove to endMove of line (endMove cut to the
// move count), after its start position and the earlier moves replayed on a
// board of its own, of the moves' board size. A retake line holds at most
// lineLimit cells (2 to 28).
void BuildDiagram(int lineLimit, int startMove, int endMove, const TPrintLine& line,
                  TDiagram& diagram);

}  // namespace moyo
