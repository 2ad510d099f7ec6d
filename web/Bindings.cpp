// The functions the page calls (moyoscope.js). Texts cross as UTF-8, with
// NUL-terminated strings allocated by the page; a viewer is an opaque handle.

#include <emscripten.h>

#include <string>

#include "board/TGoBoard.h"
#include "paint/TZelGoPB.h"
#include "platform/Text.h"
#include "resources/Messages.h"
#include "resources/TocWave.h"
#include "viewer/MemberLevel.h"
#include "web/LayoutJson.h"
#include "web/PageForm.h"
#include "web/PageResources.h"
#include "web/RecordRoad.h"

using moyo::web::PageForm;

namespace {

// The last text handed to the page; valid until the next call that returns one.
std::string& Kept() {
  static std::string kept;
  return kept;
}

const char* Hand(std::string text) {
  Kept() = std::move(text);
  return Kept().c_str();
}

// Bytes that may hold NULs: their length goes to *length.
const char* HandBytes(std::string bytes, int* length) {
  *length = static_cast<int>(bytes.size());
  return Hand(std::move(bytes));
}

const char* HandCp949(const std::string& cp949) {
  return Hand(moyo::platform::Cp949ToUtf8(cp949));
}

}  // namespace

extern "C" {

// Keeps an RGBA picture under name for the painters.
EMSCRIPTEN_KEEPALIVE void moyo_artwork_add(const char* name, int width, int height,
                                           const unsigned char* rgba) {
  if (width <= 0 || height <= 0) return;
  moyo::web::RgbaImage image;
  image.width = width;
  image.height = height;
  image.pixels.assign(rgba, rgba + static_cast<std::size_t>(width) * height * 4);
  moyo::web::PageArtwork().Add(name, std::move(image));
}

// Message id of the table (UTF-8).
EMSCRIPTEN_KEEPALIVE const char* moyo_message(int id) {
  return HandCp949(moyo::Message(id));
}

// "ngf\n", "tagged\n" or "numbered\n" and the address that getFile downloads.
EMSCRIPTEN_KEEPALIVE const char* moyo_record_road(const char* fileName, const char* level,
                                                  const char* recordServer, const char* webServer) {
  using moyo::platform::Utf8ToCp949;
  const moyo::web::RecordRoad road = moyo::web::ChooseRecordRoad(
      Utf8ToCp949(fileName), Utf8ToCp949(level), recordServer, webServer);
  const char* kind = road.numbered                                 ? "numbered"
                     : road.reader == moyo::web::RecordReader::Ngf ? "ngf"
                                                                   : "tagged";
  return Hand(std::string(kind) + "\n" + moyo::platform::Cp949ToUtf8(road.url));
}

// ---- The viewer form of one element ----
// A form is the element's handle; formId names the element's side in the
// page's table of forms (Module.moyoForms).

EMSCRIPTEN_KEEPALIVE PageForm* moyo_form_new(int formId) {
  return new PageForm(formId, moyo::web::PageArtwork(), moyo::web::PageText());
}

EMSCRIPTEN_KEEPALIVE void moyo_form_delete(PageForm* form) {
  delete form;
}

// Keeps the member level the host passed; 1 when it hides the guessing controls.
EMSCRIPTEN_KEEPALIVE int moyo_form_set_level(PageForm* form, const char* level) {
  const std::string cp949 = moyo::platform::Utf8ToCp949(level);
  form->Session().SetLevel(cp949);
  return moyo::HidesGuessingControls(cp949) ? 1 : 0;
}

// Reads the downloaded body (raw bytes) with the reader of kind ("ngf",
// "numbered" or "tagged"): 0 shown, 1 failed, 2 not shown, 3 no such numbered record.
EMSCRIPTEN_KEEPALIVE int moyo_form_load(PageForm* form, const char* body, int length,
                                        const char* kind, const char* level) {
  const std::string_view text(body, static_cast<std::size_t>(length < 0 ? 0 : length));
  const std::string_view road(kind);
  if (road == "numbered" && moyo::web::IsMissingRecordReply(text)) return 3;
  const auto reader =
      road == "tagged" ? moyo::web::RecordReader::Tagged : moyo::web::RecordReader::Ngf;
  const moyo::TReadResult result =
      form->Viewer().Load(text, reader, moyo::platform::Utf8ToCp949(level));
  if (result.failed) return 1;
  return result.show ? 0 : 2;
}

// The cell size the board would get in a frame of width x height.
EMSCRIPTEN_KEEPALIVE int moyo_form_fit_cell(PageForm* form, int width, int height) {
  const moyo::TZelGoPB& painter = form->Session().Painter();
  return moyo::layout::PlaceBoard(width, height, painter.Margin(), painter.Lines()).cell;
}

// Places the board in its frame (a cell above 0 pins the cell size) and writes
// the paint box's left and top into out.
EMSCRIPTEN_KEEPALIVE void moyo_form_place(PageForm* form, int width, int height, int cell,
                                          int* out) {
  const moyo::layout::TBoardPlace place = form->Viewer().Place(width, height, cell);
  out[0] = place.left;
  out[1] = place.top;
}

// The page's fonts came in after the board drew text with stand-ins.
EMSCRIPTEN_KEEPALIVE void moyo_form_refit_text(PageForm* form) {
  form->Session().Painter().RefitText();
}

// A mouse press on the board picture: button 0 left, 1 middle, 2 right (the page's numbering).
EMSCRIPTEN_KEEPALIVE void moyo_form_mouse(PageForm* form, int button, int x, int y) {
  using moyo::platform::MouseButton;
  auto& box = form->Viewer().PaintBox();
  if (!box.OnMouseDown) return;
  box.OnMouseDown(button == 0   ? MouseButton::Left
                  : button == 1 ? MouseButton::Middle
                                : MouseButton::Right,
                  moyo::platform::kShiftNone, x, y);
}

// What a click, a key or an edit asks of the viewer; `value` is the
// operation's number: a button's tag, a key, seconds, on (1) or off (0).
EMSCRIPTEN_KEEPALIVE void moyo_form_do(PageForm* form, const char* operation, int value) {
  moyo::TViewerSession& s = form->Session();
  const std::string_view op(operation);
  if (op == "navigate") s.Navigate(value);
  if (op == "key") s.Key(static_cast<moyo::TViewerKey>(value));
  if (op == "autoStart") s.StartAutoPlay(value);
  if (op == "autoStop") s.StopAutoPlay();
  if (op == "pace") s.ChangePace(value);
  if (op == "trial") value ? s.EnterTrial() : s.LeaveTrial();
  if (op == "numbers") value ? s.NumbersOn() : s.NumbersOff();
  if (op == "mode") s.ChooseMode(value);
  if (op == "hints") value ? s.HintsOn() : s.HintsOff();
  if (op == "newsFold") s.ToggleNews();
  if (op == "noticeClosed" && form->Notices().OnClosed) form->Notices().OnClosed();
}

// The operations that take a text (UTF-8): the jump to a typed move number,
// a commentary link's text, the news address.
EMSCRIPTEN_KEEPALIVE void moyo_form_do_text(PageForm* form, const char* operation,
                                            const char* text) {
  moyo::TViewerSession& s = form->Session();
  const std::string_view op(operation);
  const std::string cp949 = moyo::platform::Utf8ToCp949(text);
  if (op == "jump") s.Jump(cp949);
  if (op == "link") s.OpenLink(cp949);
  if (op == "news") s.SetNews(cp949);
}

// Opens a reference-diagram text (UTF-8) on the position shown, as a link of
// the commentary does, with the board turned to `flipped` first.
EMSCRIPTEN_KEEPALIVE void moyo_form_open_reference(PageForm* form, const char* diagram,
                                                   int flipped) {
  moyo::TViewerSession& s = form->Session();
  if (s.Painter().Flipped() != (flipped != 0)) s.ToggleFlip();
  s.openReference(moyo::platform::Utf8ToCp949(diagram));
}

// A tick of page timer id.
EMSCRIPTEN_KEEPALIVE void moyo_timer_tick(int id) {
  moyo::web::PageTimer::Tick(id);
}

// The move on the board, the record end, the mode's byte code and the flags
// (1 automatic play, 2 numbers, 4 hints, 8 replies pending), for the page and its tests.
EMSCRIPTEN_KEEPALIVE void moyo_form_state(PageForm* form, int* out) {
  const moyo::TViewerSession& s = form->Session();
  const moyo::TViewerState& state = s.State();
  out[0] = s.Board().MoveCount();
  out[1] = s.Board().LastMove();
  out[2] = static_cast<int>(state.mode);
  out[3] = (state.autoStopShown ? 1 : 0) | (state.numbersShown ? 2 : 0) |
           (state.hintShown ? 4 : 0) | (state.replying ? 8 : 0);
}

// The board picture: its RGBA bytes, width and height.
EMSCRIPTEN_KEEPALIVE const unsigned char* moyo_form_pixels(PageForm* form) {
  return form->Viewer().PaintBox().Image().pixels.data();
}

EMSCRIPTEN_KEEPALIVE int moyo_form_width(PageForm* form) {
  return form->Viewer().PaintBox().Image().width;
}

EMSCRIPTEN_KEEPALIVE int moyo_form_height(PageForm* form) {
  return form->Viewer().PaintBox().Image().height;
}

// Writes left, top, right, bottom of the area painted since the last call into out.
EMSCRIPTEN_KEEPALIVE void moyo_form_take_dirty(PageForm* form, int* out) {
  const moyo::platform::Rect dirty = form->Viewer().PaintBox().TakeDirty();
  out[0] = dirty.left;
  out[1] = dirty.top;
  out[2] = dirty.right;
  out[3] = dirty.bottom;
}

// The texts of labels and edits set since the last call: name, NUL, UTF-8
// text, NUL, and so on; the length goes to *length.
EMSCRIPTEN_KEEPALIVE const char* moyo_form_take_texts(PageForm* form, int* length) {
  return HandBytes(form->View().TakeTexts(), length);
}

// The question-and-answer text as the file "qna.NGF" holds it (CP949 bytes,
// not NUL-terminated); its length goes to *length.
EMSCRIPTEN_KEEPALIVE const char* moyo_form_qna(PageForm* form, int* length) {
  return HandBytes(form->Viewer().QnaText(), length);
}

// ---- The form's layout and sound, the same for every element ----

// The layout table as JSON.
EMSCRIPTEN_KEEPALIVE const char* moyo_layout() {
  return Hand(moyo::web::LayoutJson());
}

// The lefts of the six navigation buttons on a functionP `width` wide
// (spread: 463 at creation, 500 on resize) and then the three word buttons.
EMSCRIPTEN_KEEPALIVE void moyo_layout_buttons(int width, int spread, int* out) {
  const auto nav = moyo::layout::NavButtonLefts(width, spread);
  const auto words = moyo::layout::WordButtonLefts(width);
  for (std::size_t k = 0; k < nav.size(); ++k) out[k] = nav[k];
  for (std::size_t k = 0; k < words.size(); ++k) out[nav.size() + k] = words[k];
}

// The stone sound as a RIFF wave file; its length goes to *length.
EMSCRIPTEN_KEEPALIVE const char* moyo_stone_sound(int* length) {
  const std::string& wave = moyo::TocWave();
  *length = static_cast<int>(wave.size());
  return wave.data();
}

}  // extern "C"
