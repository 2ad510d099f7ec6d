// The functions the page calls (moyoscope.js). Texts cross as UTF-8, with
// NUL-terminated strings allocated by the page; a viewer is an opaque handle.

#include <emscripten.h>

#include <string>

#include "platform/Text.h"
#include "resources/Messages.h"
#include "web/BoardViewer.h"
#include "web/PageResources.h"
#include "web/RecordRoad.h"

using moyo::web::BoardViewer;

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

EMSCRIPTEN_KEEPALIVE BoardViewer* moyo_viewer_new() {
  return new BoardViewer(moyo::web::PageArtwork(), moyo::web::PageText());
}

EMSCRIPTEN_KEEPALIVE void moyo_viewer_delete(BoardViewer* viewer) {
  delete viewer;
}

// 1 when the board is painted; 0 when its pictures have not been added yet.
EMSCRIPTEN_KEEPALIVE int moyo_viewer_set_cell(BoardViewer* viewer, int cell, int margin) {
  return viewer->SetCell(cell, margin) ? 1 : 0;
}

// Reads the downloaded body (raw bytes) with the reader of kind ("ngf",
// "numbered" or "tagged"): 0 shown, 1 failed, 2 not shown, 3 no such numbered record.
EMSCRIPTEN_KEEPALIVE int moyo_viewer_load(BoardViewer* viewer, const char* body, int length,
                                          const char* kind, const char* level) {
  const std::string_view text(body, static_cast<std::size_t>(length < 0 ? 0 : length));
  const std::string_view road(kind);
  if (road == "numbered" && moyo::web::IsMissingRecordReply(text)) return 3;
  const auto reader =
      road == "tagged" ? moyo::web::RecordReader::Tagged : moyo::web::RecordReader::Ngf;
  const moyo::TReadResult result = viewer->Load(text, reader, moyo::platform::Utf8ToCp949(level));
  if (result.failed) return 1;
  return result.show ? 0 : 2;
}

EMSCRIPTEN_KEEPALIVE int moyo_viewer_step(BoardViewer* viewer, int delta) {
  viewer->Step(delta);
  return viewer->MoveNumber();
}

EMSCRIPTEN_KEEPALIVE int moyo_viewer_goto(BoardViewer* viewer, int move) {
  viewer->GoTo(move);
  return viewer->MoveNumber();
}

// A mouse press on the board picture: button 0 left, 1 middle, 2 right (the
// page's numbering); returns the move shown afterwards.
EMSCRIPTEN_KEEPALIVE int moyo_viewer_mouse(BoardViewer* viewer, int button, int x, int y) {
  using moyo::platform::MouseButton;
  viewer->MouseDown(button == 0   ? MouseButton::Left
                    : button == 1 ? MouseButton::Middle
                                  : MouseButton::Right,
                    x, y);
  return viewer->MoveNumber();
}

EMSCRIPTEN_KEEPALIVE int moyo_viewer_move(BoardViewer* viewer) {
  return viewer->MoveNumber();
}

EMSCRIPTEN_KEEPALIVE int moyo_viewer_last(BoardViewer* viewer) {
  return viewer->LastMove();
}

// The board picture: its RGBA bytes, width and height.
EMSCRIPTEN_KEEPALIVE const unsigned char* moyo_viewer_pixels(BoardViewer* viewer) {
  return viewer->PaintBox().Image().pixels.data();
}

EMSCRIPTEN_KEEPALIVE int moyo_viewer_width(BoardViewer* viewer) {
  return viewer->PaintBox().Image().width;
}

EMSCRIPTEN_KEEPALIVE int moyo_viewer_height(BoardViewer* viewer) {
  return viewer->PaintBox().Image().height;
}

// Writes left, top, right, bottom of the area painted since the last call into out.
EMSCRIPTEN_KEEPALIVE void moyo_viewer_take_dirty(BoardViewer* viewer, int* out) {
  const moyo::platform::Rect dirty = viewer->PaintBox().TakeDirty();
  out[0] = dirty.left;
  out[1] = dirty.top;
  out[2] = dirty.right;
  out[3] = dirty.bottom;
}

// A text of the record as shown (UTF-8): 0 the event, 1..6 the information
// lines, 7 and 8 Black's name and rank, 9 and 10 White's, 11 and 12 the
// stones Black and White have taken, 13 the commentary of the move shown.
EMSCRIPTEN_KEEPALIVE const char* moyo_viewer_text(BoardViewer* viewer, int which) {
  const moyo::web::BoardTexts& t = viewer->Texts();
  switch (which) {
    case 0:
      return HandCp949(t.event);
    case 7:
      return HandCp949(t.blackPlayer);
    case 8:
      return HandCp949(t.blackRank);
    case 9:
      return HandCp949(t.whitePlayer);
    case 10:
      return HandCp949(t.whiteRank);
    case 11:
      return HandCp949(t.blackCaptures);
    case 12:
      return HandCp949(t.whiteCaptures);
    case 13:
      return HandCp949(viewer->Comment());
    default:
      if (which >= 1 && which <= 6) return HandCp949(t.infoLines[which - 1]);
      return Hand("");
  }
}

// The question-and-answer text as the file "qna.NGF" holds it (CP949 bytes,
// not NUL-terminated); its length goes to *length.
EMSCRIPTEN_KEEPALIVE const char* moyo_viewer_qna(BoardViewer* viewer, int* length) {
  const char* bytes = Hand(viewer->QnaText());
  *length = static_cast<int>(Kept().size());
  return bytes;
}

}  // extern "C"
