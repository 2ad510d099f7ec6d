// The functions the page calls for the reference-diagram panel and for any
// paint box of the module. A panel is an opaque handle the page receives from
// moyoReference(owner, panel) when a viewer shows it; texts cross as UTF-8.

#include "web/ReferenceBindings.h"

#include <emscripten.h>

#include <string>

#include "board/TGoBoard.h"
#include "paint/TZelGoPB.h"
#include "platform/Text.h"
#include "web/ReferencePanel.h"

using moyo::web::ReferencePanel;
using moyo::web::RgbaPaintBox;

// clang-format off
EM_JS(void, moyo_reference_shown, (int owner, ReferencePanel* panel), {
  if (Module.moyoReference) Module.moyoReference(owner, panel);
});
// clang-format on

namespace moyo::web {

std::unique_ptr<TReferenceWindow> MakeReferencePanelWindow(int owner,
                                                           platform::BitmapStore& artwork,
                                                           TextPainter& text) {
  return std::make_unique<ReferencePanelWindow>(
      artwork, text, [owner](ReferencePanel& panel) { moyo_reference_shown(owner, &panel); });
}

}  // namespace moyo::web

namespace {

// The last text handed to the page; valid until the next call that returns one.
const char* HandCp949(const std::string& cp949) {
  static std::string kept;
  kept = moyo::platform::Cp949ToUtf8(cp949);
  return kept.c_str();
}

moyo::platform::MouseButton PageButton(int button) {
  using moyo::platform::MouseButton;
  return button == 0 ? MouseButton::Left : button == 1 ? MouseButton::Middle : MouseButton::Right;
}

}  // namespace

extern "C" {

// ---- The panel ----

// The user closed the panel.
EMSCRIPTEN_KEEPALIVE void moyo_reference_close(ReferencePanel* panel) {
  panel->Close();
}

// Step button tag: 0 five back, 1 one back, 2 one forward, 3 five forward, 4 trial.
EMSCRIPTEN_KEEPALIVE void moyo_reference_button(ReferencePanel* panel, int tag) {
  panel->Session().navButtonClick(tag);
}

EMSCRIPTEN_KEEPALIVE void moyo_reference_pass(ReferencePanel* panel) {
  panel->Session().PassBtnClick();
}

EMSCRIPTEN_KEEPALIVE void moyo_reference_marking(ReferencePanel* panel, int checked) {
  panel->SetMarking(checked != 0);
}

EMSCRIPTEN_KEEPALIVE void moyo_reference_letter(ReferencePanel* panel, int index) {
  panel->ChooseLetter(index);
}

// A mouse press on the board picture: button 0 left, 1 middle, 2 right.
EMSCRIPTEN_KEEPALIVE void moyo_reference_mouse(ReferencePanel* panel, int button, int x, int y) {
  panel->MouseDown(PageButton(button), x, y);
}

// The page laid the panel out anew: its board area and its step-button row.
EMSCRIPTEN_KEEPALIVE void moyo_reference_resize(ReferencePanel* panel, int width, int height,
                                                int rowWidth) {
  panel->ResizeButtonRow(rowWidth);
  panel->ResizeBoardArea(width, height);
}

// Takes the stone pictures again once the page has handed them over.
EMSCRIPTEN_KEEPALIVE void moyo_reference_reload_pictures(ReferencePanel* panel) {
  panel->Session().ReloadPictures();
}

// A text of the panel (UTF-8): 0 the caption, 1 the memo, 2 the trial switch's caption.
EMSCRIPTEN_KEEPALIVE const char* moyo_reference_text(ReferencePanel* panel, int which) {
  const moyo::web::ReferencePanelState& state = panel->State();
  return HandCp949(which == 0 ? state.caption : which == 1 ? state.memo : state.trialCaption);
}

// A value of the panel: 0 open, 1 trial tools shown, 2 letter box ticked, 3 the
// chosen letter, 4 the area colour as 0xRRGGBB, 5 and 6 the board's left and top
// in its area, 7 trial mode on, 8 the move on the board, 9 the cell size.
EMSCRIPTEN_KEEPALIVE int moyo_reference_value(ReferencePanel* panel, int which) {
  const moyo::web::ReferencePanelState& state = panel->State();
  switch (which) {
    case 0:
      return panel->IsOpen();
    case 1:
      return state.trialTools;
    case 2:
      return state.marking;
    case 3:
      return state.letter;
    case 4:
      return state.area.r << 16 | state.area.g << 8 | state.area.b;
    case 5:
      return state.boardLeft;
    case 6:
      return state.boardTop;
    case 7:
      return panel->Session().TrialOn();
    case 8:
      return panel->Session().Board().MoveCount();
    case 9:
      return panel->Session().Painter().CellSize();
    default:
      return 0;
  }
}

// Step button tag's place in its row: left << 16 | width.
EMSCRIPTEN_KEEPALIVE int moyo_reference_button_place(ReferencePanel* panel, int tag) {
  if (tag < 0 || tag >= moyo::TDiagramSession::kStepButtonCount) return 0;
  const auto& place = panel->State().buttons[static_cast<std::size_t>(tag)];
  return place.left << 16 | place.width;
}

EMSCRIPTEN_KEEPALIVE RgbaPaintBox* moyo_reference_paint_box(ReferencePanel* panel) {
  return &panel->PaintBox();
}

// ---- Any paint box of the module: what the page copies onto a <canvas> ----

EMSCRIPTEN_KEEPALIVE const unsigned char* moyo_paint_box_pixels(RgbaPaintBox* box) {
  return box->Image().pixels.data();
}

EMSCRIPTEN_KEEPALIVE int moyo_paint_box_width(RgbaPaintBox* box) {
  return box->Image().width;
}

EMSCRIPTEN_KEEPALIVE int moyo_paint_box_height(RgbaPaintBox* box) {
  return box->Image().height;
}

// Writes left, top, right, bottom of the area painted since the last call into out.
EMSCRIPTEN_KEEPALIVE void moyo_paint_box_take_dirty(RgbaPaintBox* box, int* out) {
  const moyo::platform::Rect dirty = box->TakeDirty();
  out[0] = dirty.left;
  out[1] = dirty.top;
  out[2] = dirty.right;
  out[3] = dirty.bottom;
}

}  // extern "C"
