#include "viewer/TNoteMessage.h"

#include "viewer/TCommentMemo.h"

namespace moyo {

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
  memo_->AddLine(std::string(TCommentMemo::kStartMarker) + text +
                 std::string(TCommentMemo::kStopMarker));
}

}  // namespace moyo
