#pragma once
// What the viewer session shows through: the labels, the button faces, the
// commentary memo, the news panel and the board frame. The Qt form implements
// it over its widgets; tests implement it over plain values. Texts are CP949.

#include <string>

namespace moyo {

// The buttons that lie on one spot with a stop face over a start face.
enum class TFacePair {
  AutoPlay,  // autoBtn, autoEndBtn
  Trial,     // testBtn, testEndBtn
  Numbers,   // numBtn, numEndBtn
  Hints,     // HintBtn, HintXBtn
};

// The news panel's heights: hidden until an address comes, open, folded to its heading.
enum class TNewsPanel { Hidden, Open, Folded };

class TViewerView {
 public:
  virtual ~TViewerView() = default;

  // ---- Labels ----
  virtual void SetEventName(const std::string& title) = 0;
  // Information line 1..6: date, place, main time, byo-yomi, komi or handicap, result.
  virtual void SetInfoLine(int line, const std::string& text) = 0;
  virtual void SetBlackPlayer(const std::string& name, const std::string& rank) = 0;
  virtual void SetWhitePlayer(const std::string& name, const std::string& rank) = 0;
  // The prisoner counts: white stones Black took (wDiedSL), black stones White took (bDiedSL).
  virtual void SetCaptures(const std::string& whiteDead, const std::string& blackDead) = 0;
  // The status label under the guessing row.
  virtual void SetStatus(const std::string& text) = 0;
  // The text of the move-number edit.
  virtual void SetMoveText(const std::string& text) = 0;

  // ---- Buttons ----
  // Shows the stop face of `pair` (hiding its start face), or the start face.
  virtual void ShowStopFace(TFacePair pair, bool stop) = 0;
  // Puts the mode button with this tag down (0 giboBtn, 1 BBtn, 2 WBtn, 3 BWBtn).
  virtual void SetModeButtonDown(int tag) = 0;

  // ---- Commentary memo ----
  virtual void ClearMemo() = 0;
  // Appends one line, link markers included; it holds no line break.
  virtual void AddMemoLine(const std::string& line) = 0;

  // ---- Board frame and news ----
  // The board's frame in its trial colour (8421440), or its normal colour.
  virtual void SetTrialFrame(bool trial) = 0;
  // The board's lines changed (a record of another size): place the board again.
  virtual void RelayoutBoard() = 0;
  // Points the news browser at `address` (creating it on first use).
  virtual void NavigateNews(const std::string& address) = 0;
  // Sizes the news panel and gives its button the matching face.
  virtual void SetNewsPanel(TNewsPanel panel) = 0;
  // Puts the board's picture, as painted, on the clipboard.
  virtual void CopyBoardPicture() = 0;
};

}  // namespace moyo
