#pragma once
// The reference-diagram window: a small always-on-top window that shows a
// position of the game, replays a diagram's moves on it with the diagram's
// labels and comment, and lets the user try moves and letters of their own
// before going back to the diagram exactly as it was. It has its own board
// model and painter; the viewer creates it once and reuses it, and closing it
// only hides it.

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "board/BoardRecords.h"
#include "kit/TDockPanel.h"
#include "platform/PaintBox.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace moyo::platform {
class Bitmap;
class BitmapStore;
class QtPaintBox;
}  // namespace moyo::platform

namespace moyo {

class TGoBoard;
class TZelGoPB;
class THelpNavButton;

class TCHelpForm : public kit::TDockPanel {
 public:
  // The client size the window opens with.
  static constexpr int kClientWidth = 296;
  static constexpr int kClientHeight = 376;
  // The panel colours of the board area, normally and in trial mode.
  static constexpr std::uint32_t kBoardAreaColour = 0xCCD4D4;  // RGB (204, 212, 212)
  static constexpr std::uint32_t kTrialAreaColour = 0x408080;  // RGB (64, 128, 128)

  // A top-level window kept above owner and centred on it when it opens. Pictures
  // come from bitmaps (not owned), or from the program's artwork when it is null.
  explicit TCHelpForm(QWidget* owner = nullptr, platform::BitmapStore* bitmaps = nullptr);
  ~TCHelpForm() override;

  // Takes a copy of position as the viewer's position and loads it on the window's
  // board, turned when flipped; trial mode ends. With draw the painter shows the
  // position at once; the viewer passes false and lets LoadDiagram draw.
  void ShowPosition(int lines, const TBoardSnapshot& position, bool flipped, bool draw);
  // Shows the window (centred on the owner when it was hidden) and raises it.
  void ShowWindow();
  // Goes back to the diagram's start on the position given to ShowPosition and plays
  // the diagram's moves, labels and comment. A damaged text shows that position alone.
  void LoadDiagram(const std::string& text);
  // Switches trial mode on, or off again back to the diagram as loaded.
  void ToggleTrial();

  // ---- Handlers, public so a test can drive them as a click would ----

  // The step buttons by tag: 0 five back, 1 one back, 2 one forward, 3 five forward,
  // 4 the trial switch. Steps back stop at the diagram's start.
  void navButtonClick(int tag);
  // The tenuki button: a pass for the side to move.
  void PassBtnClick();
  // A press on the board at point (x, y).
  void HelpPBPointClick(platform::MouseButton button, int x, int y);
  // Lays the board out in pBBase: the largest cell that fits, centred.
  void pBBaseResize();
  // Spreads the five step buttons evenly over pCBase.
  void pCBaseResize();

  // ---- State ----

  TGoBoard& Board() { return *board_; }
  const TGoBoard& Board() const { return *board_; }
  TZelGoPB& Painter() { return *painter_; }
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
  // The memo's text as CP949 bytes, lines joined with LF.
  std::string MemoText() const;

  // ---- Components, named by role and kind ----

  kit::TDockPanel* pLBase = nullptr;
  kit::TDockPanel* pHBase = nullptr;
  QPlainTextEdit* Memo = nullptr;
  kit::TDockPanel* pMBase = nullptr;
  QPushButton* PassBtn = nullptr;
  QCheckBox* cbMark = nullptr;
  QComboBox* cbMarkC = nullptr;
  kit::TDockPanel* pSBase = nullptr;
  kit::TDockPanel* Panel1 = nullptr;
  kit::TDockPanel* pBBase = nullptr;
  platform::QtPaintBox* HelpPB = nullptr;
  kit::TDockPanel* pCBase = nullptr;
  std::array<THelpNavButton*, 5> Buttons{};

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildPanels();
  void BuildTrialTools();
  void FormCreate();
  void FormShow();
  void ConnectBoard();
  void SetAreaColour(std::uint32_t rgb);
  void SetCaption(int moveNumber);
  void SetComment(const std::string& cp949);
  void StepBack(int times);
  void StepForward(int times);
  const platform::Bitmap& BoardPicture(const std::string& name);

  std::unique_ptr<platform::BitmapStore> ownBitmaps_;
  platform::BitmapStore* bitmaps_ = nullptr;
  std::unique_ptr<platform::Bitmap> missingPicture_;
  std::unique_ptr<TZelGoPB> painter_;
  std::unique_ptr<TGoBoard> board_;
  std::unique_ptr<TBoardSnapshot> saved_;
  TNumbering numbering_{};
  int first_ = 0;
  int lines_ = 19;
  bool flipped_ = false;
  bool trialOn_ = false;
  bool draw_ = false;
  std::string diagramText_;
};

}  // namespace moyo
