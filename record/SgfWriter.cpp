#include "record/SgfWriter.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/Text.h"
#include "record/ApplyRecord.h"
#include "record/DiagramText.h"
#include "record/GameTime.h"
#include "record/RecordReplay.h"
#include "record/ReferenceDiagram.h"

namespace moyo {
namespace {

// A text value in UTF-8 with "\" and "]" escaped.
std::string Value(std::string_view cp949) {
  std::string out = "[";
  for (char c : platform::Cp949ToUtf8(cp949)) {
    if (c == '\\' || c == ']') out += '\\';
    out += c;
  }
  return out + "]";
}

void Property(std::string& out, std::string_view id, std::string_view cp949) {
  if (cp949.empty()) return;
  out += id;
  out += Value(cp949);
}

char Letter(int coordinate) {
  return static_cast<char>('a' + coordinate - 1);
}

std::string Point(int x, int y) {
  if (x == 0) return "[]";
  return std::string("[") + Letter(x) + Letter(y) + "]";
}

std::string Move(const TRecordMove& move) {
  return (move.colour == kRecordBlack ? "B" : "W") + Point(move.x, move.y);
}

bool IsDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool OnBoard(int x, int y, int size) {
  return x >= 1 && x <= size && y >= 1 && y <= size;
}

class TSgfWriter {
 public:
  explicit TSgfWriter(const TGameRecord& record)
      : record_(record), moves_(std::clamp(record.moveCount, 0, kMaxRecordMoves)) {}

  std::string Write();

 private:
  void Root(std::string& out) const;
  // The variation of diagram item `item`, the k-th diagram of its move.
  std::string Variation(const TCommentEntry& item, int k, int& leave) const;
  // The colour of main-line move n (1-based), Black before the first.
  std::uint8_t ColourAfter(int position) const;

  const TGameRecord& record_;
  int moves_;
};

void TSgfWriter::Root(std::string& out) const {
  const TGiboInfo& info = record_.info;
  out += "(;GM[1]FF[4]CA[UTF-8]SZ[" + std::to_string(record_.boardSize) + "]";
  Property(out, "GN", info.title);
  Property(out, "PB", info.blackName);
  Property(out, "BR", info.blackRank);
  Property(out, "PW", info.whiteName);
  Property(out, "WR", info.whiteRank);
  Property(out, "DT", info.date);
  Property(out, "PC", info.place);
  Property(out, "RE", info.result);
  // Showing a handicap game puts its terms where the komi was: those are no komi.
  if (info.handicap == 0 || info.komi != HandicapTerms(info)) Property(out, "KM", info.komi);
  if (info.handicap != 0) out += "HA[" + std::to_string(info.handicap) + "]";
  if (const auto seconds = SecondsOfText(info.mainTime)) {
    out += "TM[" + std::to_string(*seconds) + "]";
  } else {
    Property(out, "TM", info.mainTime);
  }
  if (IsDigits(info.byoyomiTime) && IsDigits(info.byoyomiCount)) {
    out += "OT[" + info.byoyomiCount + "x" + info.byoyomiTime + " byo-yomi]";
  } else {
    Property(out, "YT", info.byoyomiTime);
    Property(out, "YC", info.byoyomiCount);
  }
  Property(out, "GK", info.recordKind);
  Property(out, "SM", info.summary);
  if (record_.firstColour <= kRecordWhite) {
    out += record_.firstColour == kRecordBlack ? "PL[B]" : "PL[W]";
  }
  std::string black, white;
  if (record_.setupCount > 0) {
    for (int i = 0; i < std::min(record_.setupCount, kMaxSetupStones); ++i) {
      const TRecordMove& stone = record_.setup[i];
      (stone.colour == kRecordBlack ? black : white) += Point(stone.x, stone.y);
    }
  } else {
    for (const TRecordMove& stone : HandicapStones(record_.boardSize, info.handicap)) {
      black += Point(stone.x, stone.y);
    }
  }
  if (!black.empty()) out += "AB" + black;
  if (!white.empty()) out += "AW" + white;
}

std::uint8_t TSgfWriter::ColourAfter(int position) const {
  if (position > 0) return record_.moves[position - 1].colour;
  if (moves_ > 0) return record_.moves[0].colour == kRecordBlack ? kRecordWhite : kRecordBlack;
  return record_.firstColour == kRecordWhite ? kRecordBlack : kRecordWhite;
}

std::string TSgfWriter::Variation(const TCommentEntry& item, int k, int& leave) const {
  const TDiagramText diagram = ReadDiagramText(item.text);
  // A damaged string keeps only its place in the record.
  const bool whole = diagram.MovesValid && diagram.HasRest && diagram.LabelsValid;
  leave = whole ? std::clamp(diagram.First - 1, 0, moves_) : std::clamp(item.moveNo, 0, moves_);
  std::string out = "(;";
  if (whole && diagram.First != leave + 1) out += "MN[" + std::to_string(diagram.First) + "]";
  out += "RF[" + std::to_string(item.moveNo) + ":" + std::to_string(k) + "]";
  if (!whole) return out + ")";
  std::uint8_t colour = ColourAfter(leave);
  for (std::size_t i = 0; i < diagram.Moves.size(); ++i) {
    const auto [x, y] = diagram.Moves[i];
    if (!OnBoard(x, y, record_.boardSize)) break;
    if (i > 0) out += ";";
    colour = colour == kRecordBlack ? kRecordWhite : kRecordBlack;
    out += Move({static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), colour});
    if (i > 0) continue;
    Property(out, "C", diagram.Comment);
    std::string labels;
    for (const TDiagramLabel& label : diagram.Labels) {
      const int letter = label.Code - kLabelMarkBase;
      if (!OnBoard(label.X, label.Y, record_.boardSize) || letter < 0 || letter > 25) continue;
      labels += "[" + std::string{Letter(label.X), Letter(label.Y)} + ":" +
                static_cast<char>('A' + letter) + "]";
    }
    if (!labels.empty()) out += "LB" + labels;
  }
  return out + ")";
}

std::string TSgfWriter::Write() {
  // The items of each position: texts in the nodes, diagrams as variations where they leave.
  std::vector<std::vector<const TCommentEntry*>> texts(moves_ + 1);
  std::vector<std::string> variations(moves_ + 1);
  std::vector<int> diagramsOf(moves_ + 1, 0);
  for (int i = 0; i < std::min(record_.commentCount, kMaxCommentEntries); ++i) {
    const TCommentEntry& item = record_.comments[i];
    const int at = std::clamp(item.moveNo, 0, moves_);
    if (item.kind == kReferenceDiagram) {
      int leave = 0;
      const std::string variation = Variation(item, diagramsOf[at]++, leave);
      variations[leave] += variation;
    } else {
      texts[at].push_back(&item);
    }
  }

  std::string out;
  Root(out);
  std::string closing;
  for (int position = 0; position <= moves_; ++position) {
    if (position > 0) out += "\n;" + Move(record_.moves[position - 1]);
    bool first = true;
    for (const TCommentEntry* item : texts[position]) {
      const std::string prefix = "[" + std::to_string(position) + "] ";
      std::string_view text = item->text;
      if (text.starts_with(prefix)) text.remove_prefix(prefix.size());
      // A node holds one comment; the others follow in nodes without a move.
      if (!first) out += "\n;";
      out += "C" + Value(text);
      first = false;
    }
    if (!variations[position].empty() && position < moves_) {
      out += "\n(";
      closing = ")" + variations[position] + closing;
    } else {
      closing = variations[position] + closing;
    }
  }
  return out + closing + ")\n";
}

}  // namespace

std::string WriteSgf(const TGameRecord& record) {
  return TSgfWriter(record).Write();
}

}  // namespace moyo
