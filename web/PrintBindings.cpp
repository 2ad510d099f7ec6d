// The page's print calls (print-*.js): the dialog opens on the record and
// position of a viewer, corrects its fields as each is left, and on OK stores
// the options in localStorage and draws the pages. One print runs at a time,
// as the dialog is modal. Texts cross as UTF-8.

#include <emscripten.h>

#include <memory>
#include <string>

#include "board/TGoBoard.h"
#include "print/DiagramPrinter.h"
#include "print/PageTexts.h"
#include "print/PrintSource.h"
#include "print/TZelStatus.h"
#include "web/PageForm.h"
#include "web/PrintSession.h"

// clang-format off
EM_JS(int, moyo_print_measure, (const char* family, int pixels, int style, const char* text), {
  return Module.moyoPrintText.extent(UTF8ToString(family), pixels, style, UTF8ToString(text));
});
// One item of the page's settings (settings.js), named by key, section and
// value joined with backslashes as the registry path reads; null when missing.
EM_JS(char*, moyo_print_setting, (const char* name), {
  const value = MoyoSettings.read(UTF8ToString(name));
  if (value === null) return 0;
  const length = lengthBytesUTF8(value) + 1;
  const text = _malloc(length);
  stringToUTF8(value, text, length);
  return text;
});
EM_JS(int, moyo_print_store_setting, (const char* name, const char* value), {
  return MoyoSettings.write(UTF8ToString(name), UTF8ToString(value)) ? 1 : 0;
});
// clang-format on

namespace {

using moyo::web::PrintSession;

// The print settings in the page's settings (values are ASCII digits and
// the version stamp, so CP949 and UTF-8 agree on them).
class LocalStorageSettings final : public moyo::platform::SettingsStore {
 public:
  std::optional<std::string> ReadText(const std::string& key, const std::string& section,
                                      const std::string& name) override {
    char* value = moyo_print_setting(Name(key, section, name).c_str());
    if (value == nullptr) return std::nullopt;
    std::string text(value);
    free(value);
    return text;
  }
  bool WriteText(const std::string& key, const std::string& section, const std::string& name,
                 const std::string& value) override {
    return moyo_print_store_setting(Name(key, section, name).c_str(), value.c_str()) != 0;
  }

 private:
  static std::string Name(const std::string& key, const std::string& section,
                          const std::string& name) {
    return key + "\\" + section + "\\" + name;
  }
};

// Read from localStorage when the first print opens, then kept as the desktop keeps its options.
moyo::TZelStatus& Status() {
  static moyo::TZelStatus status(std::make_unique<LocalStorageSettings>());
  return status;
}

std::unique_ptr<PrintSession>& Session() {
  static std::unique_ptr<PrintSession> session;
  return session;
}

moyo::platform::Size Measure(const std::string& family, int pixels, unsigned style,
                             const std::string& utf8) {
  const int packed =
      moyo_print_measure(family.c_str(), pixels, static_cast<int>(style), utf8.c_str());
  return {packed >> 16, packed & 0xFFFF};
}

// The fields text last handed to the page; valid until the next call that returns one.
const char* Answer(std::string fields) {
  static std::string answer;
  answer = std::move(fields);
  return answer.c_str();
}

}  // namespace

extern "C" {

// Opens a print of what viewer shows: 1, or 0 when its member level may not
// print (the page then shows message 30).
EMSCRIPTEN_KEEPALIVE int moyo_print_open(moyo::web::PageForm* viewer) {
  moyo::TViewerSession& shown = viewer->Session();
  if (!moyo::MayPrint(shown.Level())) return 0;
  Session() = std::make_unique<PrintSession>(
      moyo::ViewerPrintSource(shown.Board(), shown.Record().info, shown.HandicapByte()), Status(),
      Measure);
  return 1;
}

EMSCRIPTEN_KEEPALIVE int moyo_print_move_count() {
  return Session() ? Session()->MoveCount() : 0;
}

// The dialog's fields as it opens, a line each.
EMSCRIPTEN_KEEPALIVE const char* moyo_print_fields() {
  return Answer(Session() ? Session()->Fields() : "");
}

// The fields after the one named `left` was left.
EMSCRIPTEN_KEEPALIVE const char* moyo_print_field_left(const char* left, const char* fields) {
  return Answer(Session() ? Session()->FieldLeft(left, fields) : fields);
}

// OK: stores the options and draws the pages; their count, or -1 when drawing failed.
EMSCRIPTEN_KEEPALIVE int moyo_print_ok(const char* fields) {
  if (!Session() || !Session()->Print(fields, moyo::CurrentTimeStamp())) return -1;
  return static_cast<int>(Session()->Pages().size());
}

// Page i (from 0) of the last OK as SVG markup, valid until the print ends.
EMSCRIPTEN_KEEPALIVE const char* moyo_print_page(int i) {
  if (!Session() || i < 0 || i >= static_cast<int>(Session()->Pages().size())) return "";
  return Session()->Pages()[i].c_str();
}

// Ends the print, freeing its pages.
EMSCRIPTEN_KEEPALIVE void moyo_print_close() {
  Session().reset();
}

}  // extern "C"
