#pragma once
// The commentary memo's content: lines of CP949 text in which a link is the
// run between a start marker 3,3,3 and a stop marker 4,4,4. It keeps the text
// that link offsets index into and passes every change on to the view.

#include <string>
#include <string_view>
#include <vector>

namespace moyo {

class TViewerView;

class TCommentMemo {
 public:
  // The bytes that open and close a link run.
  static constexpr std::string_view kStartMarker{"\x03\x03\x03"};
  static constexpr std::string_view kStopMarker{"\x04\x04\x04"};

  // Mirrors every change on `view`'s memo; null keeps it to itself.
  explicit TCommentMemo(TViewerView* view = nullptr) : view_(view) {}

  void Clear();
  // Appends `text`; line breaks (CR LF, lone CR, lone LF) inside it start further lines.
  void AddLine(const std::string& text);
  int LineCount() const { return static_cast<int>(lines_.size()); }
  // Line `index` (from 0), markers included; empty when out of range.
  std::string Line(int index) const;
  // The lines joined with CR LF: what link offsets index into.
  std::string Text() const;

 private:
  TViewerView* view_;
  std::vector<std::string> lines_;
};

// The text between a link's markers, given the offsets of its start marker and
// of the byte past its stop marker in `text`; empty when they frame no link.
std::string LinkText(const std::string& text, int start, int stop);

}  // namespace moyo
