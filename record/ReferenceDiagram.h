#pragma once
// The compact reference-diagram string that a commentary item stores for the
// reference-diagram window.

#include <string>
#include <string_view>

namespace moyo {

// Room in one reference diagram; surplus moves and labels are dropped.
inline constexpr int kMaxDiagramMoves = 400;
inline constexpr int kMaxDiagramLabels = 400;

// The separator between the move part, the label part and the note.
inline constexpr std::string_view kDiagramSeparator = "\\!";

// Mark code of label letter "a"; letter k is written as this plus k.
inline constexpr int kLabelMarkBase = 600;

// Appends a kept move, "A" + x then "A" + y (x, y counted from 1).
void AppendDiagramMove(std::string& moves, int x, int y);
// Appends a label: its point as for moves, then the letter's mark code (letter 0 is "a").
void AppendDiagramLabel(std::string& labels, int x, int y, int letter);
// The diagram string of `moveCount` kept moves and `labelCount` labels (both as appended
// above) and a note; the empty text when no move is kept.
std::string DiagramString(int start, int moveCount, std::string_view moves, int labelCount,
                          std::string_view labels, std::string_view note);

// Turns the raw value of a diagram tag (from after its "[" up to the closing ")")
// into the diagram string: start, kept moves, "\!", labels, "\!", note. A diagram
// that keeps no move gives the empty text.
std::string EncodeDiagram(std::string_view value);

}  // namespace moyo
