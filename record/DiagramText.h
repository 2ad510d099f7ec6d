#pragma once
// The text a commentary link hands to the reference-diagram window: the move
// the diagram starts at, its moves, its labels and its comment. Each part is
// checked against the count written before it, so a damaged text is found
// out before anything is played from it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "record/ReferenceDiagram.h"

namespace moyo {

// One diagram move as coordinate letters give it: 0, 0 is a pass; a negative or
// off-board coordinate is a move to skip.
struct TDiagramMove {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const TDiagramMove&, const TDiagramMove&) = default;
};

// One label: a point and the mark code the painter draws there.
struct TDiagramLabel {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  std::int32_t Code = 0;
  friend bool operator==(const TDiagramLabel&, const TDiagramLabel&) = default;
};

struct TDiagramText {
  // False when the text is too short for its two counts or its move part does not
  // hold exactly the counted moves; nothing else is then read.
  bool MovesValid = false;
  // The game move the diagram's first move stands in for.
  std::int32_t First = 0;
  std::vector<TDiagramMove> Moves;
  // Whether a label part and comment follow the moves.
  bool HasRest = false;
  // Whether the label part holds exactly the counted labels; when it does not, the
  // comment is still read.
  bool LabelsValid = false;
  std::vector<TDiagramLabel> Labels;
  // CP949 bytes, line breaks as written.
  std::string Comment;
};

// Reads a diagram text: EncodeNumber2(First), EncodeNumber2(N), N coordinate-letter
// pairs, the separator, EncodeNumber2(M) and M groups of two coordinate letters and
// an EncodeNumber2 mark code, the separator, and the comment. An empty label part
// may be a bare separator. Never reads past the text.
TDiagramText ReadDiagramText(std::string_view text);

}  // namespace moyo
