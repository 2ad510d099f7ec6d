#include "record/DiagramText.h"

#include "board/TextCodes.h"

namespace moyo {
namespace {

// The part before the next separator and what follows it; without a separator the
// part is empty and all of the text follows.
struct Split {
  std::string_view part;
  std::string_view rest;
};

Split SplitAtSeparator(std::string_view text) {
  const std::size_t at = text.find(kDiagramSeparator);
  if (at == std::string_view::npos) return {{}, text};
  return {text.substr(0, at), text.substr(at + kDiagramSeparator.size())};
}

// Whether part holds exactly count groups of width bytes.
bool HoldsGroups(std::string_view part, std::int32_t count, std::size_t width) {
  return count >= 0 && part.size() == static_cast<std::size_t>(count) * width;
}

void ReadMoves(std::string_view part, std::vector<TDiagramMove>& moves) {
  moves.reserve(part.size() / 2);
  for (std::size_t i = 0; i + 2 <= part.size(); i += 2) {
    moves.push_back({LetterCoord(part.substr(i, 1)), LetterCoord(part.substr(i + 1, 1))});
  }
}

void ReadLabels(std::string_view part, std::vector<TDiagramLabel>& labels) {
  labels.reserve(part.size() / 4);
  for (std::size_t i = 0; i + 4 <= part.size(); i += 4) {
    labels.push_back({LetterCoord(part.substr(i, 1)), LetterCoord(part.substr(i + 1, 1)),
                      DecodeNumber2(part.substr(i + 2, 2))});
  }
}

void ReadRest(std::string_view rest, TDiagramText& diagram) {
  // Two bytes are enough for the label count; a comment of a single byte after a
  // bare separator is still a comment.
  if (rest.size() < 2) return;
  diagram.HasRest = true;
  const std::int32_t count = DecodeNumber2(rest.substr(0, 2));
  Split labels;
  if (rest.starts_with(kDiagramSeparator)) {
    // A bare separator is the empty label part and its own terminator: everything
    // after it is the comment, separators included.
    labels = {{}, rest.substr(2)};
  } else {
    labels = SplitAtSeparator(rest.substr(2));
  }
  diagram.Comment = std::string(labels.rest);
  diagram.LabelsValid = HoldsGroups(labels.part, count, 4);
  if (diagram.LabelsValid) ReadLabels(labels.part, diagram.Labels);
}

}  // namespace

TDiagramText ReadDiagramText(std::string_view text) {
  TDiagramText diagram;
  if (text.size() < 4) return diagram;
  const std::int32_t first = DecodeNumber2(text.substr(0, 2));
  const std::int32_t count = DecodeNumber2(text.substr(2, 2));
  const Split moves = SplitAtSeparator(text.substr(4));
  if (!HoldsGroups(moves.part, count, 2)) return diagram;
  diagram.MovesValid = true;
  diagram.First = first;
  ReadMoves(moves.part, diagram.Moves);
  ReadRest(moves.rest, diagram);
  return diagram;
}

}  // namespace moyo
