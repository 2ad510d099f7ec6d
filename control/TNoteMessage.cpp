#include "control/TNoteMessage.h"

#include "kit/TLinkMemo.h"

namespace moyo {

TNoteMessage::TNoteMessage(kit::TLinkMemo* memo) : memo_(memo) {}

void TNoteMessage::AddBlankLine() {
  if (memo_ == nullptr) return;
  const int lines = memo_->LineCount();
  if (lines >= 1 && !memo_->Line(lines - 1).empty()) memo_->AddLine("");
}

void TNoteMessage::AddText(const std::string& text, bool separate) {
  if (memo_ == nullptr) return;
  if (separate) AddBlankLine();
  memo_->AddLine(text);
}

void TNoteMessage::AddLink(const std::string& text, bool separate) {
  if (memo_ == nullptr) return;
  if (separate) AddBlankLine();
  memo_->AddLine(kit::TLinkMemo::kStartMarker + text + kit::TLinkMemo::kStopMarker);
}

}  // namespace moyo
