#pragma once
// A read-only memo of text lines (CP949 bytes) that shows link runs, the
// bytes between a start marker 3,3,3 and a stop marker 4,4,4, underlined in
// the link colour with the hand cursor, and reports a click on a link with
// the link's start and stop offsets in the memo's text. Everything else is
// shown exactly as plain text; nothing is ever read as markup.

#include <QTextBrowser>
#include <functional>
#include <string>
#include <vector>

namespace moyo::kit {

class TLinkMemo : public QTextBrowser {
 public:
  // The bytes that open and close a link run.
  static constexpr char kStartMarker[] = "\x03\x03\x03";
  static constexpr char kStopMarker[] = "\x04\x04\x04";

  // Where one link lies in Text(): `start` is the offset of its start marker,
  // `stop` the offset just past its stop marker.
  struct LinkSpan {
    int start = 0;
    int stop = 0;
  };

  explicit TLinkMemo(QWidget* parent = nullptr);

  // Removes every line.
  void Clear();
  // Appends `cp949` as one line; line breaks inside it start further lines.
  void AddLine(const std::string& cp949);
  int LineCount() const { return static_cast<int>(lines_.size()); }
  // Line `index` (from 0) as stored, markers included; empty when out of range.
  std::string Line(int index) const;
  // The memo's text: the lines joined with CR LF. Link offsets index into it.
  std::string Text() const;
  // The links in the order they appear.
  const std::vector<LinkSpan>& Links() const { return links_; }
  // Reports a click on link `index` as the mouse would; out-of-range does nothing.
  void ClickLink(int index);

  // Sets the colour links are drawn in (the default is dark blue, 0, 0, 160).
  void SetLinkColour(const QColor& colour);

  // Raised when the user clicks a link, with its start and stop offsets.
  std::function<void(int start, int stop)> OnLinkClick;

 private:
  void ShowLine(const std::string& line, int lineOffset);

  std::vector<std::string> lines_;
  std::vector<LinkSpan> links_;
  int textLength_ = 0;
  QColor linkColour_{0, 0, 160};
};

}  // namespace moyo::kit
