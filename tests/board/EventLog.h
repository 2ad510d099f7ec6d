#pragma once
// Records a board's events as short lines, so tests can compare whole sequences.

#include <string>
#include <utility>
#include <vector>

#include "board/TGoBoard.h"

namespace moyo::test {

// Attaches to all four events of a board and writes one line per event:
// "placed X,Y N C", "changed X,Y N C", "move X,Y #No w=W b=B next=C added|back", "message".
class TEventLog {
 public:
  explicit TEventLog(TGoBoard& Board) {
    Board.OnStonePlaced = [this](const TGoBoard&, int X, int Y, int N, std::uint8_t C) {
      Add("placed " + Point(X, Y) + " " + std::to_string(N) + " " + std::to_string(C));
    };
    Board.OnPointChanged = [this](const TGoBoard&, int X, int Y, int N, std::uint8_t C) {
      Add("changed " + Point(X, Y) + " " + std::to_string(N) + " " + std::to_string(C));
    };
    Board.OnMove = [this](const TGoBoard&, const TMoveInfo& I, bool Added) {
      Add("move " + Point(I.X, I.Y) + " #" + std::to_string(I.MoveNo) +
          " w=" + std::to_string(I.WhiteCaptures) + " b=" + std::to_string(I.BlackCaptures) +
          " next=" + std::to_string(I.NextColour) + (Added ? " added" : " back"));
    };
    Board.OnMessage = [this](const TGoBoard&, const std::string& Text) {
      Add(Text == " " ? "message" : "message '" + Text + "'");
    };
  }

  // The lines recorded since the last Take, which clears them.
  std::vector<std::string> Take() { return std::exchange(Lines_, {}); }

 private:
  static std::string Point(int X, int Y) { return std::to_string(X) + "," + std::to_string(Y); }
  void Add(std::string Line) { Lines_.push_back(std::move(Line)); }
  std::vector<std::string> Lines_;
};

}  // namespace moyo::test
