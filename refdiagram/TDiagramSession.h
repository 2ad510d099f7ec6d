#pragma once
// The behaviour of the reference-diagram window: it shows a position of the
// game, replays a diagram's moves on it with the diagram's labels and comment,
// and lets the user try moves and letters of their own before going back to the
// diagram exactly as it was. It owns its board model and its painter (drawing on
// the window's paint box) and reports everything else through a TDiagramView.

#include <memory>
#include <string>

#include "board/BoardRecords.h"
#include "platform/BitmapStore.h"
#include "platform/PaintBox.h"

namespace moyo {

class TDiagramView;
class TGoBoard;
class TZelGoPB;

class TDiagramSession {
 public:
  // The colours behind the board, normally and in trial mode.
  static constexpr platform::Rgb kBoardAreaColour{204, 212, 212};
  static constexpr platform::Rgb kTrialAreaColour{64, 128, 128};
  // How many step buttons there are; the last (tag 4) is the trial switch.
  static constexpr int kStepButtonCount = 5;
  // How many letters the letter list offers, 'A' to 'Z'.
  static constexpr int kLetterCount = 26;

  // Draws on paintBox with pictures from bitmaps, or missing where bitmaps lacks
  // one; all four belong to the caller and must outlive the session. Starts on
  // an empty board of the largest size.
  TDiagramSession(TDiagramView& view, platform::PaintBox& paintBox, platform::BitmapStore& bitmaps,
                  const platform::Bitmap& missing);
  ~TDiagramSession();
  TDiagramSession(const TDiagramSession&) = delete;
  TDiagramSession& operator=(const TDiagramSession&) = delete;

  // Takes a copy of position as the viewer's position and loads it on the board,
  // turned when flipped; trial mode ends. The layout and the painter take the
  // position's board size. With draw the painter shows the position at once; the
  // viewer passes false and lets LoadDiagram draw.
  void ShowPosition(const TBoardSnapshot& position, bool flipped, bool draw);
  // Goes back to the diagram's start on the position given to ShowPosition and
  // plays the diagram's moves, labels and comment. A damaged text shows that
  // position alone.
  void LoadDiagram(const std::string& text);
  // Switches trial mode on, or off again back to the diagram as loaded.
  void ToggleTrial();

  // ---- Handlers of the window's events ----

  // The window became visible: the trial tools hide and the letter controls reset.
  void FormShow();
  // The step buttons by tag: 0 five back, 1 one back, 2 one forward, 3 five
  // forward, 4 the trial switch. Steps back stop at the diagram's start.
  void navButtonClick(int tag);
  // The tenuki button: a pass for the side to move.
  void PassBtnClick();
  // A press on the board at point (x, y).
  void HelpPBPointClick(platform::MouseButton button, int x, int y);
  // The letter check box was ticked or cleared.
  void cbMarkClick(bool checked);
  // Letter index was chosen in the letter list.
  void cbMarkCChange(int index);
  // The board area is now width x height: the largest cell that fits, centred.
  void pBBaseResize(int width, int height);
  // The step-button row is now width wide: the buttons spread evenly over it.
  void pCBaseResize(int width);
  // Takes the stone pictures of the board's cell size and the canvas's faces
  // again and repaints: for a window whose pictures and fonts may arrive after
  // the board was laid out.
  void ReloadPictures();

  // ---- State ----

  const TGoBoard& Board() const { return *board_; }
  const TZelGoPB& Painter() const { return *painter_; }
  // The game move the diagram's first move stands in for.
  int First() const { return first_; }
  bool TrialOn() const { return trialOn_; }
  // Whether board changes reach the painter.
  bool Draw() const { return draw_; }
  bool Flipped() const { return flipped_; }
  int Lines() const { return lines_; }
  const TNumbering& Numbering() const { return numbering_; }
  const std::string& DiagramText() const { return diagramText_; }
  // The viewer's position as last given to ShowPosition.
  const TBoardSnapshot& Saved() const { return *saved_; }
  // The memo's text as last given to the view.
  const std::string& MemoText() const { return memo_; }
  // Whether board clicks in trial mode put letters down, and which letter is next.
  bool Marking() const { return marking_; }
  int Letter() const { return letter_; }

 private:
  void ConnectBoard();
  void LayOutBoard();
  void LoadStonePictures(int cell);
  void ShowMode(bool trial);
  void SetCaption(int moveNumber);
  void SetMemo(const std::string& text);
  void StepBack(int times);
  void StepForward(int times);
  const platform::Bitmap& Picture(const std::string& name) const;

  TDiagramView& view_;
  platform::BitmapStore& bitmaps_;
  const platform::Bitmap& missing_;
  std::unique_ptr<TZelGoPB> painter_;
  std::unique_ptr<TGoBoard> board_;
  std::unique_ptr<TBoardSnapshot> saved_;
  TNumbering numbering_{};
  int first_ = 0;
  int lines_ = 0;
  bool flipped_ = false;
  bool trialOn_ = false;
  bool draw_ = false;
  bool marking_ = false;
  int letter_ = 0;
  int areaWidth_ = 0;
  int areaHeight_ = 0;
  std::string diagramText_;
  std::string memo_;
};

}  // namespace moyo
