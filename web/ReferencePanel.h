#pragma once
// The reference-diagram window of the page: a panel floating over its element,
// with the desktop window's behaviour (a TDiagramSession) painting its board
// into an RGBA image that the page copies onto a <canvas>. The panel keeps what
// the session reports (caption, memo, trial tools, button places) for the page
// to read after each call, and knows whether it is open.

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "refdiagram/TDiagramSession.h"
#include "refdiagram/TDiagramView.h"
#include "viewer/TReferenceWindow.h"
#include "web/RgbaPaintBox.h"

namespace moyo::web {

// What the panel shows besides its board, as the session last reported it.
struct ReferencePanelState {
  std::string caption;       // CP949
  std::string memo;          // CP949, lines separated by LF
  std::string trialCaption;  // the caption of step button 4, CP949
  bool trialTools = false;   // the tenuki button and the letter controls shown
  bool marking = false;      // the letter check box ticked
  int letter = 0;            // the letter list's choice, 0 'A' .. 25 'Z'
  platform::Rgb area{};      // behind the board and the step buttons
  int boardLeft = 0, boardTop = 0;
  struct Place {
    int left = 0, width = 0;
  };
  std::array<Place, TDiagramSession::kStepButtonCount> buttons{};
};

class ReferencePanel : private TDiagramView {
 public:
  // The window's client area and the parts of it the board does not use: the
  // memo strip below, the step-button row under the board, and the one-pixel
  // lowered frame around the board and its buttons.
  static constexpr int kClientWidth = 296;
  static constexpr int kClientHeight = 376;
  static constexpr int kMemoAreaHeight = 73;
  static constexpr int kButtonRowHeight = 21;
  static constexpr int kFrame = 1;
  static constexpr int kBoardAreaWidth = kClientWidth - 2 * kFrame;
  static constexpr int kBoardAreaHeight =
      kClientHeight - kMemoAreaHeight - 2 * kFrame - kButtonRowHeight;

  // Paints with the pictures of artwork, text by text; both outlive the panel.
  // The board's pictures (wood and edges) must be in artwork already; stone
  // pictures may come later (see ReloadPictures).
  ReferencePanel(platform::BitmapStore& artwork, TextPainter& text);
  ~ReferencePanel() override;
  ReferencePanel(const ReferencePanel&) = delete;
  ReferencePanel& operator=(const ReferencePanel&) = delete;

  // Opens the panel; the first opening after it was closed resets its letter
  // tools and caption as a window being shown does. Opening an open panel
  // changes nothing.
  void Open();
  // Closes the panel; the session and its board stay for the next opening.
  void Close();
  bool IsOpen() const { return open_; }

  // A mouse press on the board picture at pixel (x, y).
  void MouseDown(platform::MouseButton button, int x, int y);
  // The user ticked or cleared the letter check box, or chose a letter in the
  // list; the state keeps what the controls now show.
  void SetMarking(bool checked);
  void ChooseLetter(int index);
  // The board area or the button row changed size (the page's own layout).
  void ResizeBoardArea(int width, int height) { session_->pBBaseResize(width, height); }
  void ResizeButtonRow(int width) { session_->pCBaseResize(width); }

  TDiagramSession& Session() { return *session_; }
  const TDiagramSession& Session() const { return *session_; }
  const ReferencePanelState& State() const { return state_; }
  RgbaPaintBox& PaintBox() { return box_; }

 private:
  void SetAreaColour(platform::Rgb colour) override { state_.area = colour; }
  void SetCaption(const std::string& caption) override { state_.caption = caption; }
  void SetMemo(const std::string& text) override { state_.memo = text; }
  void SetTrialCaption(const std::string& caption) override { state_.trialCaption = caption; }
  void ShowTrialTools(bool shown) override { state_.trialTools = shown; }
  void ShowMarking(bool on) override { state_.marking = on; }
  void ShowLetter(int index) override { state_.letter = index; }
  void PlaceBoard(int left, int top) override;
  void PlaceStepButton(int tag, int left, int width) override;

  RgbaPaintBox box_;
  RgbaBitmap missing_;
  ReferencePanelState state_;
  std::unique_ptr<TDiagramSession> session_;
  bool open_ = false;
};

// The panel as the viewer's reference window. Showing it opens the panel and
// then tells the page through onShow, which puts the panel on screen.
class ReferencePanelWindow : public TReferenceWindow {
 public:
  ReferencePanelWindow(platform::BitmapStore& artwork, TextPainter& text,
                       std::function<void(ReferencePanel&)> onShow);

  void ShowPosition(int lines, const TBoardSnapshot& snapshot, bool flipped, bool draw) override;
  void ShowWindow() override;
  void LoadDiagram(const std::string& diagram) override;

  ReferencePanel& Panel() { return panel_; }

 private:
  ReferencePanel panel_;
  std::function<void(ReferencePanel&)> onShow_;
};

}  // namespace moyo::web
