#include "viewer/TCommentMemo.h"

#include "viewer/TViewerView.h"

namespace moyo {

void TCommentMemo::Clear() {
  lines_.clear();
  if (view_ != nullptr) view_->ClearMemo();
}

void TCommentMemo::AddLine(const std::string& text) {
  std::string line;
  const auto flush = [&] {
    if (view_ != nullptr) view_->AddMemoLine(line);
    lines_.push_back(std::move(line));
    line.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      flush();
    } else {
      line += c;
    }
  }
  flush();
}

std::string TCommentMemo::Line(int index) const {
  if (index < 0 || index >= LineCount()) return {};
  return lines_[static_cast<std::size_t>(index)];
}

std::string TCommentMemo::Text() const {
  std::string text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines_[i];
  }
  return text;
}

std::string LinkText(const std::string& text, int start, int stop) {
  const int starts = static_cast<int>(TCommentMemo::kStartMarker.size());
  const int stops = static_cast<int>(TCommentMemo::kStopMarker.size());
  if (start < 0 || stop < start + starts + stops || static_cast<std::size_t>(stop) > text.size()) {
    return {};
  }
  return text.substr(static_cast<std::size_t>(start + starts),
                     static_cast<std::size_t>(stop - start - starts - stops));
}

}  // namespace moyo
