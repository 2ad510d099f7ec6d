#pragma once
// A Go Text Protocol (version 2) engine over one board model, so standard Go tools can drive
// the rules engine. Vertices are standard: columns A..T without I, row 1 at the bottom.

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

#include "board/TGoBoard.h"

namespace moyo::gtp {

class TGtpEngine {
 public:
  // Answers one input line with a complete response ("=id text\n\n" or "?id text\n\n"), or
  // with an empty string for lines the protocol skips (blank lines and comments).
  std::string Execute(std::string_view Line);
  // True once a quit command has been answered.
  bool QuitRequested() const { return Quit_; }
  // The board the commands play on.
  const TGoBoard& Board() const { return Board_; }

  // Loads the record file Path onto Board for "loadsgf": the position after its main line,
  // or before move BeforeMove when that is above 0. False with Error when it cannot.
  using TRecordLoader = std::function<bool(const std::string& Path, int BeforeMove, TGoBoard& Board,
                                           std::string& Error)>;
  // Empty by default: "loadsgf" then answers that no files can be read.
  TRecordLoader LoadRecord;

 private:
  TGoBoard Board_;
  bool Quit_ = false;
};

// Board column X of a column letter (A..T, no I, any case), or 0 when it names no column.
int ColumnOfLetter(char Letter);
// The vertex text of board point (X, Y) on a board of Size lines.
std::string VertexText(int X, int Y, int Size);

// Answers the commands read from In on Out until quit or end of input; returns 0. Loader
// serves "loadsgf".
int RunSession(std::istream& In, std::ostream& Out, TGtpEngine::TRecordLoader Loader = {});

}  // namespace moyo::gtp
