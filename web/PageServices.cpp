#include "web/PageServices.h"

#include <emscripten.h>

#include <algorithm>

#include "platform/Text.h"

// Each call reaches the element's form through the module's table of forms
// (element.js); a form removed meanwhile is skipped.
// clang-format off
EM_JS(void, moyo_page_timer, (int id, int form, int milliseconds), {
  Module.moyoTimers.set(id, form, milliseconds);
});
EM_JS(void, moyo_page_call, (int form, const char* method, const char* first, const char* second), {
  const target = Module.moyoForms.get(form);
  if (target) target[UTF8ToString(method)](UTF8ToString(first), UTF8ToString(second));
});
// clang-format on

namespace moyo::web {
namespace {

using platform::Cp949ToUtf8;

void Call(int form, const char* method, const std::string& first = {},
          const std::string& second = {}) {
  moyo_page_call(form, method, first.c_str(), second.c_str());
}

}  // namespace

// ---- Timers ----

std::map<int, PageTimer*>& PageTimer::Live() {
  static std::map<int, PageTimer*> live;
  return live;
}

PageTimer::PageTimer(int formId) : formId_(formId) {
  static int next = 0;
  id_ = ++next;
  Live()[id_] = this;
}

PageTimer::~PageTimer() {
  moyo_page_timer(id_, formId_, 0);
  Live().erase(id_);
}

void PageTimer::SetInterval(int milliseconds) {
  interval_ = milliseconds;
  if (enabled_) moyo_page_timer(id_, formId_, interval_);
}

void PageTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  moyo_page_timer(id_, formId_, enabled ? std::max(interval_, 1) : 0);
}

void PageTimer::Tick(int id) {
  const auto found = Live().find(id);
  if (found == Live().end() || !found->second->enabled_) return;
  if (found->second->OnTimer) found->second->OnTimer();
}

// ---- Notices and sound ----

void PageNotifier::ShowNotice(const std::string& caption, const std::string& text) {
  Call(formId_, "showNotice", Cp949ToUtf8(caption), Cp949ToUtf8(text));
}

void PageNotifier::CloseNotice() {
  Call(formId_, "closeNotice");
}

void PageSound::Play() {
  Call(formId_, "playStone");
}

// ---- The form's components ----

void PageView::Label(const char* name, const std::string& cp949) {
  texts_.Set(name, cp949);
}

std::string PageView::TakeTexts() {
  std::string packed;
  for (const auto& [name, cp949] : texts_.Take()) {
    packed += name;
    packed += '\0';
    packed += Cp949ToUtf8(cp949);
    packed += '\0';
  }
  return packed;
}

void PageView::SetEventName(const std::string& title) {
  Label("eventNameL", title);
}
void PageView::SetInfoLine(int line, const std::string& text) {
  if (line >= 1 && line <= 6) Label(("infoLines" + std::to_string(line)).c_str(), text);
}
void PageView::SetBlackPlayer(const std::string& name, const std::string& rank) {
  Label("bPlayerL", name);
  Label("BGlvlL", rank);
}
void PageView::SetWhitePlayer(const std::string& name, const std::string& rank) {
  Label("wPlayerL", name);
  Label("WGlvlL", rank);
}
void PageView::SetCaptures(const std::string& whiteDead, const std::string& blackDead) {
  Label("wDiedSL", whiteDead);
  Label("bDiedSL", blackDead);
}
void PageView::SetStatus(const std::string& text) {
  Label("StatusL", text);
}
void PageView::SetMoveText(const std::string& text) {
  Label("moveEd", text);
}
void PageView::ShowStopFace(TFacePair pair, bool stop) {
  static constexpr const char* kPairs[] = {"auto", "test", "num", "Hint"};
  Call(formId_, "showStopFace", kPairs[static_cast<int>(pair)], stop ? "1" : "");
}
void PageView::SetModeButtonDown(int tag) {
  Call(formId_, "setModeDown", std::to_string(tag));
}
void PageView::ClearMemo() {
  Call(formId_, "clearMemo");
}
void PageView::AddMemoLine(const std::string& line) {
  Call(formId_, "addMemoLine", Cp949ToUtf8(line));
}
void PageView::SetTrialFrame(bool trial) {
  Call(formId_, "setTrialFrame", trial ? "1" : "");
}
void PageView::RelayoutBoard() {
  Call(formId_, "placeBoard");
}
void PageView::NavigateNews(const std::string& address) {
  Call(formId_, "navigateNews", Cp949ToUtf8(address));
}
void PageView::SetNewsPanel(TNewsPanel panel) {
  static constexpr const char* kPanels[] = {"hidden", "open", "folded"};
  Call(formId_, "setNewsPanel", kPanels[static_cast<int>(panel)]);
}
void PageView::CopyBoardPicture() {
  Call(formId_, "copyBoard");
}

}  // namespace moyo::web
