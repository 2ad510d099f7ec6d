#include "record/SgfReader.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "record/Decimal.h"
#include "record/GameTime.h"
#include "record/RecordReplay.h"
#include "record/ReferenceDiagram.h"
#include "record/SgfTree.h"
#include "resources/Messages.h"

namespace moyo {
namespace {

constexpr int kSecondsMessage = 18;  // "초"
constexpr int kTimesMessage = 19;    // "회"

// A commentary item before the items are put in the record's order.
struct TPendingItem {
  std::int32_t moveNo = 0;
  std::int16_t kind = kCommentText;
  std::string text;
  std::int32_t order = 0;  // place among the items of its move and kind
};

// A point value of a move or a stone: "tt" and the empty value are passes (x = 0).
struct TPoint {
  bool valid = false;
  std::uint8_t x = 0;
  std::uint8_t y = 0;
};

TPoint PointOf(std::string_view value, int size) {
  if (value.empty() || value == "tt") return {true, 0, 0};
  if (value.size() != 2) return {};
  const int x = value[0] - 'a' + 1;
  const int y = value[1] - 'a' + 1;
  if (x < 1 || x > size || y < 1 || y > size) return {};
  return {true, static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A whole number of seconds from an SGF real ("3600", "3600.0"); nothing otherwise.
std::optional<std::int64_t> WholeSeconds(std::string_view value) {
  value = Trimmed(value);
  const std::size_t point = value.find('.');
  if (point != std::string_view::npos) {
    const std::string_view fraction = value.substr(point + 1);
    if (fraction.find_first_not_of('0') != std::string_view::npos) return std::nullopt;
    value = value.substr(0, point);
  }
  const auto number = ParseDecimal(value, TDecimalForm::Digits);
  if (!number) return std::nullopt;
  return *number;
}

// Byo-yomi from an OT value of the usual forms: "5x30 byo-yomi" (periods x seconds) and
// "30초 5회" (seconds, then periods, as the information line writes them).
bool ReadOvertime(std::string_view value, TGiboInfo& info) {
  value = Trimmed(value);
  auto digitsFrom = [&value](std::size_t from) {
    std::size_t end = from;
    while (end < value.size() && value[end] >= '0' && value[end] <= '9') ++end;
    return end;
  };
  const std::size_t first = digitsFrom(0);
  if (first == 0 || first >= value.size()) return false;
  if (value[first] == 'x' || value[first] == 'X') {
    const std::size_t second = digitsFrom(first + 1);
    if (second == first + 1) return false;
    info.byoyomiCount = std::string(value.substr(0, first));
    info.byoyomiTime = std::string(value.substr(first + 1, second - first - 1));
    return true;
  }
  const std::string& seconds = Message(kSecondsMessage);
  const std::string& times = Message(kTimesMessage);
  if (!value.substr(first).starts_with(seconds)) return false;
  std::size_t countStart = first + seconds.size();
  while (countStart < value.size() && value[countStart] == ' ') ++countStart;
  const std::size_t countEnd = digitsFrom(countStart);
  if (countEnd == countStart || value.substr(countEnd) != times) return false;
  info.byoyomiTime = std::string(value.substr(0, first));
  info.byoyomiCount = std::string(value.substr(countStart, countEnd - countStart));
  return true;
}

class TSgfRecordBuilder {
 public:
  TSgfRecordBuilder(const TSgfTree& tree, TGameRecord& record) : tree_(tree), record_(record) {}

  TReadResult Build();

 private:
  std::string Text(std::int32_t node, std::string_view id, bool simple) const {
    bool found = false;
    const std::string_view raw = tree_.FirstValue(node, id, found);
    return found ? SgfText(raw, simple) : std::string{};
  }
  bool Has(std::int32_t node, std::string_view id) const { return tree_.Find(node, id) != nullptr; }

  void AddText(std::int32_t moveNo, std::string text) {
    items_.push_back({moveNo, kCommentText, std::move(text), sequence_++});
  }
  void ReadHeader(std::int32_t node);
  void ReadSetup(std::int32_t node);
  // The node's move; false when it has none.
  bool MoveOf(std::int32_t node, TRecordMove& move) const;
  void ReadBranches(std::int32_t node, std::int32_t moveNo);
  void AddDiagram(std::int32_t first, std::int32_t leaveAt);
  void SettleHandicap();
  void StoreItems();

  const TSgfTree& tree_;
  TGameRecord& record_;
  int size_ = kMaxRecordBoardSize;
  std::vector<TRecordMove> setup_;
  bool hasHandicap_ = false;
  std::vector<TPendingItem> items_;
  std::int32_t sequence_ = 0;
  std::string event_;
  std::string round_;
  std::string gameName_;
};

void TSgfRecordBuilder::ReadHeader(std::int32_t node) {
  TGiboInfo& info = record_.info;
  struct TTextField {
    std::string_view id;
    std::string TGiboInfo::*field;
  };
  static constexpr TTextField kFields[] = {
      {"PB", &TGiboInfo::blackName},   {"PW", &TGiboInfo::whiteName},
      {"BR", &TGiboInfo::blackRank},   {"WR", &TGiboInfo::whiteRank},
      {"DT", &TGiboInfo::date},        {"PC", &TGiboInfo::place},
      {"RE", &TGiboInfo::result},      {"GK", &TGiboInfo::recordKind},
      {"YT", &TGiboInfo::byoyomiTime}, {"YC", &TGiboInfo::byoyomiCount},
  };
  // One pass over the node's properties: most nodes hold a move and a comment only.
  const TSgfNode& n = tree_.nodes[node];
  for (std::uint32_t p = 0; p < n.propertyCount; ++p) {
    const TSgfProperty& property = tree_.properties[n.firstProperty + p];
    const std::string_view id = property.Id();
    if (id.size() != 2) continue;
    const std::string_view raw = tree_.values[property.first];
    const auto field = std::find_if(std::begin(kFields), std::end(kFields),
                                    [id](const TTextField& f) { return f.id == id; });
    if (field != std::end(kFields)) {
      info.*field->field = SgfText(raw, true);
    } else if (id == "SM") {
      info.summary = SgfText(raw, false);
    } else if (id == "EV") {
      event_ = SgfText(raw, true);
    } else if (id == "RO") {
      round_ = SgfText(raw, true);
    } else if (id == "GN") {
      gameName_ = SgfText(raw, true);
    } else if (id == "KM") {
      info.komi = Trimmed(SgfText(raw, true));
    } else if (id == "HA") {
      const auto count = ParseDecimal(SgfText(raw, true));
      hasHandicap_ = count.has_value();
      info.handicap = count ? static_cast<std::uint16_t>(std::clamp(*count, 0, 0xFFFF)) : 0;
    } else if (id == "TM") {
      const std::string value = SgfText(raw, true);
      const auto seconds = WholeSeconds(value);
      info.mainTime = seconds ? SecondsText(*seconds) : value;
    } else if (id == "OT") {
      ReadOvertime(SgfText(raw, true), info);
    } else if (id == "PL") {
      const std::string player = SgfText(raw, true);
      if (player == "B" || player == "b" || player == "1") record_.firstColour = kRecordBlack;
      if (player == "W" || player == "w" || player == "2") record_.firstColour = kRecordWhite;
    } else if (id == "GC") {
      AddText(0, "[0] " + SgfText(raw, false));
    }
  }
}

void TSgfRecordBuilder::ReadSetup(std::int32_t node) {
  const TSgfNode& n = tree_.nodes[node];
  for (std::uint32_t p = 0; p < n.propertyCount; ++p) {
    const TSgfProperty& property = tree_.properties[n.firstProperty + p];
    const std::string_view id = property.Id();
    if (id != "AB" && id != "AW" && id != "AE") continue;
    for (std::uint32_t v = 0; v < property.count; ++v) {
      const std::string_view value = tree_.values[property.first + v];
      // A compressed rectangle "aa:cc" stands for every point in it.
      const std::string_view from = value.substr(0, value.find(':'));
      const std::string_view to =
          value.find(':') == std::string_view::npos ? from : value.substr(value.find(':') + 1);
      const TPoint a = PointOf(from, size_);
      const TPoint b = PointOf(to, size_);
      if (!a.valid || !b.valid || a.x == 0 || b.x == 0) continue;
      for (int y = std::min(a.y, b.y); y <= std::max(a.y, b.y); ++y) {
        for (int x = std::min(a.x, b.x); x <= std::max(a.x, b.x); ++x) {
          std::erase_if(setup_, [&](const TRecordMove& s) { return s.x == x && s.y == y; });
          if (id == "AE") continue;
          setup_.push_back({static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                            id == "AB" ? kRecordBlack : kRecordWhite});
        }
      }
    }
  }
}

bool TSgfRecordBuilder::MoveOf(std::int32_t node, TRecordMove& move) const {
  for (const auto& [id, colour] : {std::pair{"B", kRecordBlack}, std::pair{"W", kRecordWhite}}) {
    const TSgfProperty* property = tree_.Find(node, id);
    if (property == nullptr) continue;
    const TPoint point = PointOf(tree_.values[property->first], size_);
    if (!point.valid) continue;
    move = {point.x, point.y, colour};
    return true;
  }
  return false;
}

void TSgfRecordBuilder::AddDiagram(std::int32_t first, std::int32_t leaveAt) {
  // One branch to write out: its first node, the moves and labels gathered on the way
  // from the main line to it, and its note.
  struct TBranch {
    std::int32_t node = -1;
    int moveCount = 0;
    std::string moves;
    int labelCount = 0;
    std::string labels;
    std::string note;
    bool noteSet = false;
    bool movesEnded = false;
  };
  // MN numbers the branch's first move; this program's RF[m:k] lists it as diagram k of
  // move m's commentary, which may be later than where it leaves.
  const auto mn = ParseDecimal(Text(first, "MN", true));
  const std::string rf = Text(first, "RF", true);
  const auto attachedTo = ParseDecimal(std::string_view(rf).substr(0, rf.find(':')));
  const auto listed = rf.find(':') == std::string::npos
                          ? std::nullopt
                          : ParseDecimal(std::string_view(rf).substr(rf.find(':') + 1));
  const int start = mn.value_or(leaveAt + 1);
  const int attach = attachedTo.value_or(leaveAt);
  const int order = listed.value_or(sequence_);
  bool outer = true;  // the branch itself comes first, the branches inside it after
  std::vector<TBranch> pending(1);
  pending.front().node = first;
  while (!pending.empty() && items_.size() < kMaxCommentEntries) {
    TBranch branch = std::move(pending.back());
    pending.pop_back();
    for (std::int32_t node = branch.node; node >= 0; node = tree_.nodes[node].firstChild) {
      TRecordMove move;
      if (!branch.movesEnded && MoveOf(node, move)) {
        // A pass has no place in a diagram: the diagram ends before it.
        branch.movesEnded = move.x == 0 || branch.moveCount >= kMaxDiagramMoves;
        if (!branch.movesEnded) {
          AppendDiagramMove(branch.moves, move.x, move.y);
          ++branch.moveCount;
        }
      }
      if (const TSgfProperty* lb = tree_.Find(node, "LB")) {
        for (std::uint32_t v = 0; v < lb->count && branch.labelCount < kMaxDiagramLabels; ++v) {
          const std::string_view value = tree_.values[lb->first + v];
          const TPoint point = PointOf(value.substr(0, 2), size_);
          if (value.size() != 4 || value[2] != ':' || !point.valid || point.x == 0) continue;
          const char letter = value[3];
          const int index = letter >= 'a' && letter <= 'z'   ? letter - 'a'
                            : letter >= 'A' && letter <= 'Z' ? letter - 'A'
                                                             : -1;
          if (index < 0) continue;
          AppendDiagramLabel(branch.labels, point.x, point.y, index);
          ++branch.labelCount;
        }
      }
      if (!branch.noteSet && Has(node, "C")) {
        branch.note = Text(node, "C", false);
        branch.noteSet = true;
      }
      // A branch inside the branch: the same way up to here, then its own.
      const std::int32_t main = tree_.nodes[node].firstChild;
      for (std::int32_t other = main >= 0 ? tree_.nodes[main].nextSibling : -1; other >= 0;
           other = tree_.nodes[other].nextSibling) {
        TBranch inner = branch;
        inner.node = other;
        pending.push_back(std::move(inner));
      }
    }
    items_.push_back({attach, kReferenceDiagram,
                      DiagramString(start, branch.moveCount, branch.moves, branch.labelCount,
                                    branch.labels, branch.note),
                      outer ? order : sequence_});
    outer = false;
    ++sequence_;
  }
}

void TSgfRecordBuilder::ReadBranches(std::int32_t node, std::int32_t moveNo) {
  const std::int32_t main = tree_.nodes[node].firstChild;
  if (main < 0) return;
  for (std::int32_t other = tree_.nodes[main].nextSibling; other >= 0;
       other = tree_.nodes[other].nextSibling) {
    AddDiagram(other, moveNo);
  }
}

void TSgfRecordBuilder::SettleHandicap() {
  TGiboInfo& info = record_.info;
  const bool onlyBlack = std::all_of(setup_.begin(), setup_.end(),
                                     [](const TRecordMove& s) { return s.colour == kRecordBlack; });
  const bool whiteFirst = record_.firstColour == kRecordWhite ||
                          (record_.moveCount > 0 && record_.moves[0].colour == kRecordWhite);
  const int count = hasHandicap_ ? info.handicap : static_cast<int>(setup_.size());
  if (!setup_.empty() && onlyBlack && (hasHandicap_ || whiteFirst) && count >= 2) {
    std::vector<TRecordMove> pattern = HandicapStones(static_cast<std::uint8_t>(size_), count);
    auto byPoint = [](const TRecordMove& a, const TRecordMove& b) {
      return a.y != b.y ? a.y < b.y : a.x < b.x;
    };
    std::vector<TRecordMove> stones = setup_;
    std::sort(pattern.begin(), pattern.end(), byPoint);
    std::sort(stones.begin(), stones.end(), byPoint);
    if (stones == pattern) {
      info.handicap = static_cast<std::uint16_t>(count);
      return;
    }
  }
  for (const TRecordMove& stone : setup_) record_.SetSetupStone(stone);
}

void TSgfRecordBuilder::StoreItems() {
  // Items of one move in the order the viewer lists them: texts, then diagrams.
  std::stable_sort(items_.begin(), items_.end(), [](const TPendingItem& a, const TPendingItem& b) {
    if (a.moveNo != b.moveNo) return a.moveNo < b.moveNo;
    return a.kind != b.kind ? a.kind < b.kind : a.order < b.order;
  });
  for (TPendingItem& item : items_) {
    if (!record_.AddComment(item.moveNo, item.kind, std::move(item.text))) break;
  }
}

TReadResult TSgfRecordBuilder::Build() {
  constexpr std::int32_t kRoot = 0;
  const std::string game = Text(kRoot, "GM", true);
  if (!game.empty() && game != "1") {
    TReadResult result = ReadFailure("the SGF game is not Go (GM[" + game + "])");
    result.notices.push_back({TNoticeKind::Unreadable});
    return result;
  }
  if (Has(kRoot, "SZ")) {
    const std::string sz = Text(kRoot, "SZ", true);
    const auto columns = ParseDecimal(std::string_view(sz).substr(0, sz.find(':')));
    const auto rows = sz.find(':') == std::string::npos
                          ? columns
                          : ParseDecimal(std::string_view(sz).substr(sz.find(':') + 1));
    const int shown = std::max(columns.value_or(0), rows.value_or(0));
    if (!columns || !rows || *columns != *rows || *columns < kMinRecordBoardSize ||
        *columns > kMaxRecordBoardSize) {
      TReadResult result = ReadFailure("the board size SZ[" + sz + "] cannot be shown");
      result.notices.push_back({TNoticeKind::BoardTooLarge, shown});
      return result;
    }
    size_ = *columns;
  }
  record_.boardSize = static_cast<std::uint8_t>(size_);

  TReadResult result;
  std::int32_t moveNo = 0;
  bool setupLeftOut = false;
  for (std::int32_t node = kRoot; node >= 0; node = tree_.nodes[node].firstChild) {
    ReadHeader(node);
    if (moveNo == 0) {
      ReadSetup(node);
    } else if (!setupLeftOut && (Has(node, "AB") || Has(node, "AW") || Has(node, "AE"))) {
      // The record places stones before the first move only: the game is shown
      // without these, and the user is told the position may differ from there on.
      result.notices.push_back({TNoticeKind::SetupAfterFirstMove, moveNo});
      setupLeftOut = true;
    }
    TRecordMove move;
    if (MoveOf(node, move)) {
      if (!record_.AddMove(move)) {
        result.notices.push_back({TNoticeKind::MovesCut, kMaxRecordMoves});
        break;
      }
      moveNo = record_.moveCount;
    }
    if (Has(node, "C"))
      AddText(moveNo, "[" + std::to_string(moveNo) + "] " + Text(node, "C", false));
    ReadBranches(node, moveNo);
  }
  // The event and its round name the game; a game name stands in when neither is given.
  const std::string event =
      event_.empty() || round_.empty() ? event_ + round_ : event_ + " " + round_;
  record_.info.title = event.empty() ? gameName_ : event;
  SettleHandicap();
  StoreItems();
  if (tree_.gameCount > 1) result.notices.push_back({TNoticeKind::Collection, tree_.gameCount});
  result.offset = tree_.endOffset;
  return result;
}

}  // namespace

TReadResult ReadSgfRecord(TGameRecord& record, std::string_view text) {
  record.Clear();
  const auto tree = std::make_unique<TSgfTree>();
  ParseSgf(text, *tree);
  if (tree->nodes.empty()) {
    TReadResult result = ReadFailure("the text holds no SGF game", tree->endOffset);
    result.notices.push_back({TNoticeKind::Unreadable});
    return result;
  }
  return TSgfRecordBuilder(*tree, record).Build();
}

}  // namespace moyo
