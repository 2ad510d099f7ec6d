#pragma once
// The compact reference-diagram string that a commentary item stores for the
// reference-diagram window.

#include <string>
#include <string_view>

namespace moyo {

// Room in one reference diagram; surplus moves and labels are dropped.
inline constexpr int kMaxDiagramMoves = 400;
inline constexpr int kMaxDiagramLabels = 400;

// Mark code of label letter "a"; letter k is written as this plus k.
inline constexpr int kLabelMarkBase = 600;

// Turns the raw value of a diagram tag (from after its "[" up to the closing ")")
// into the diagram string: start, kept moves, "\!", labels, "\!", note. A diagram
// that keeps no move gives the empty text.
std::string EncodeDiagram(std::string_view value);

}  // namespace moyo
