#include "web/ReferencePanel.h"

#include <utility>

#include "resources/MessageIds.h"
#include "resources/Messages.h"

namespace moyo::web {
namespace {

// Plain wood, drawn for a board picture the page has not handed over, so the
// panel still works.
RgbaImage PlainWood() {
  RgbaImage wood;
  wood.Resize(65, 243);
  for (std::size_t i = 0; i < wood.pixels.size(); i += 4) {
    wood.pixels[i] = 214;
    wood.pixels[i + 1] = 178;
    wood.pixels[i + 2] = 118;
  }
  return wood;
}

}  // namespace

ReferencePanel::ReferencePanel(platform::BitmapStore& artwork, TextPainter& text)
    : box_(text), missing_(PlainWood()) {
  TDiagramView& view = *this;
  session_ = std::make_unique<TDiagramSession>(view, box_, artwork, missing_);
  // What the window shows before anything is opened in it.
  SetCaption(Message(msg::kReference));
  SetAreaColour(TDiagramSession::kBoardAreaColour);
  SetTrialCaption(Message(msg::kReview));
  session_->pCBaseResize(kBoardAreaWidth);
  session_->pBBaseResize(kBoardAreaWidth, kBoardAreaHeight);
}

ReferencePanel::~ReferencePanel() = default;

void ReferencePanel::Open() {
  if (open_) return;
  open_ = true;
  session_->FormShow();
}

void ReferencePanel::Close() {
  open_ = false;
}

void ReferencePanel::MouseDown(platform::MouseButton button, int x, int y) {
  if (box_.OnMouseDown) box_.OnMouseDown(button, platform::kShiftNone, x, y);
}

void ReferencePanel::SetMarking(bool checked) {
  session_->cbMarkClick(checked);
  state_.marking = checked;
}

void ReferencePanel::ChooseLetter(int index) {
  session_->cbMarkCChange(index);
  state_.letter = session_->Letter();
}

void ReferencePanel::PlaceBoard(int left, int top) {
  state_.boardLeft = left;
  state_.boardTop = top;
}

void ReferencePanel::PlaceStepButton(int tag, int left, int width) {
  if (tag < 0 || tag >= TDiagramSession::kStepButtonCount) return;
  state_.buttons[static_cast<std::size_t>(tag)] = {left, width};
}

// ---- The viewer's reference window ----

ReferencePanelWindow::ReferencePanelWindow(platform::BitmapStore& artwork, TextPainter& text,
                                           std::function<void(ReferencePanel&)> onShow)
    : panel_(artwork, text), onShow_(std::move(onShow)) {}

void ReferencePanelWindow::ShowPosition(int /*lines*/, const TBoardSnapshot& snapshot, bool flipped,
                                        bool draw) {
  // The board takes its size from the snapshot itself.
  panel_.Session().ShowPosition(snapshot, flipped, draw);
}

void ReferencePanelWindow::ShowWindow() {
  panel_.Open();
  if (onShow_) onShow_(panel_);
}

void ReferencePanelWindow::LoadDiagram(const std::string& diagram) {
  panel_.Session().LoadDiagram(diagram);
}

}  // namespace moyo::web
