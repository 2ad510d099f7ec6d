#pragma once
// Showing a loaded record: the information labels, the handicap, the main line
// entered into the board model, the first move and its commentary.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "board/TGoBoard.h"
#include "record/TGameRecord.h"

namespace moyo {

// What ApplyRecord writes to; the viewer form implements it over its labels and memo.
class TRecordView {
 public:
  virtual ~TRecordView() = default;
  // The handicap byte of the viewer's game-state record, which printing reads.
  virtual void SetHandicapByte(std::uint8_t handicap) = 0;
  // The board was reset to an empty position; the handicap stones follow as point events,
  // then the main line's with loading set. None of them need be drawn before loading ends.
  virtual void BoardCleared() = 0;
  virtual void SetEventName(const std::string& title) = 0;
  // Information line 1..6: date, place, main time, byo-yomi, komi or handicap, result.
  virtual void SetInfoLine(int line, const std::string& text) = 0;
  virtual void SetBlackPlayer(const std::string& name, const std::string& rank) = 0;
  virtual void SetWhitePlayer(const std::string& name, const std::string& rank) = 0;
  virtual void ClearMemo() = 0;
  // While set, stones are put down without the stone sound.
  virtual void SetLoading(bool loading) = 0;
  // Rewrites the memo with the commentary of the move on the board.
  virtual void RefreshComment() = 0;
  virtual void AppendMemoLine(const std::string& text) = 0;
};

// The komi text of a handicap game: "정선" for one stone, else the count and "점접바둑";
// an even game keeps its komi.
std::string HandicapTerms(const TGiboInfo& info);

// The six information lines for a header whose komi has already been rewritten.
std::array<std::string, 6> GameInfoLines(const TGiboInfo& info);

// Whether the member sees only the record's summary instead of per-move commentary.
bool SummaryOnly(const TGiboInfo& info, std::string_view level);

// The prisoner labels after a move: on Black's row the white stones Black took,
// on White's row the black stones White took, as plain decimal numbers.
struct TCaptureLabels {
  std::string whiteDead;  // wDiedSL
  std::string blackDead;  // bDiedSL
};
TCaptureLabels CaptureLabels(const TMoveInfo& info);

// Shows `record` on `view` and `board`: the labels, the handicap (rewriting the
// komi text of a handicap game), the main line entered with `loading` set, the
// first move and its commentary, and the summary where the level calls for it.
// Moves the board refuses are left out of the line; the load goes on.
void ApplyRecord(TGameRecord& record, std::string_view level, TGoBoard& board, TRecordView& view);

}  // namespace moyo
