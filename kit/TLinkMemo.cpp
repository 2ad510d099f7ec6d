#include "kit/TLinkMemo.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QUrl>

#include "platform/qt/QtText.h"

namespace moyo::kit {
namespace {

using platform::ToQt;

constexpr std::string_view kStart{TLinkMemo::kStartMarker, 3};
constexpr std::string_view kStop{TLinkMemo::kStopMarker, 3};
constexpr char kLinkScheme[] = "moyo-link";

// Splits a stored text into lines at CR LF, lone CR or lone LF.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> result(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      result.emplace_back();
    } else {
      result.back() += c;
    }
  }
  return result;
}

}  // namespace

TLinkMemo::TLinkMemo(QWidget* parent) : QTextBrowser(parent) {
  setOpenLinks(false);
  setOpenExternalLinks(false);
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse);
  connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.scheme() != kLinkScheme) return;
    bool ok = false;
    const int index = url.path().toInt(&ok);
    if (ok) ClickLink(index);
  });
}

void TLinkMemo::Clear() {
  lines_.clear();
  links_.clear();
  textLength_ = 0;
  QTextBrowser::clear();
}

void TLinkMemo::AddLine(const std::string& cp949) {
  for (const std::string& line : SplitLines(cp949)) {
    if (!lines_.empty()) textLength_ += 2;  // the CR LF before this line
    const int offset = textLength_;
    lines_.push_back(line);
    textLength_ += static_cast<int>(line.size());
    ShowLine(line, offset);
  }
}

std::string TLinkMemo::Line(int index) const {
  if (index < 0 || index >= LineCount()) return {};
  return lines_[static_cast<std::size_t>(index)];
}

std::string TLinkMemo::Text() const {
  std::string text;
  text.reserve(static_cast<std::size_t>(textLength_));
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines_[i];
  }
  return text;
}

void TLinkMemo::ClickLink(int index) {
  if (index < 0 || index >= static_cast<int>(links_.size())) return;
  const LinkSpan span = links_[static_cast<std::size_t>(index)];
  if (OnLinkClick) OnLinkClick(span.start, span.stop);
}

void TLinkMemo::SetLinkColour(const QColor& colour) {
  linkColour_ = colour;
}

void TLinkMemo::ShowLine(const std::string& line, int lineOffset) {
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  if (lines_.size() > 1) cursor.insertBlock();
  const QTextCharFormat plain;
  QTextCharFormat link;
  link.setForeground(linkColour_);
  link.setFontUnderline(true);
  link.setAnchor(true);

  const std::string_view rest{line};
  std::size_t at = 0;
  while (at < rest.size()) {
    const std::size_t open = rest.find(kStart, at);
    const std::size_t close =
        open == std::string_view::npos ? open : rest.find(kStop, open + kStart.size());
    if (close == std::string_view::npos) {
      // No complete link follows: the rest is plain text, stray markers left out.
      std::string tail{rest.substr(at)};
      std::erase_if(tail, [](char c) { return c == '\x03' || c == '\x04'; });
      cursor.insertText(ToQt(tail), plain);
      break;
    }
    cursor.insertText(ToQt(rest.substr(at, open - at)), plain);
    const int index = static_cast<int>(links_.size());
    links_.push_back(
        {lineOffset + static_cast<int>(open), lineOffset + static_cast<int>(close + kStop.size())});
    link.setAnchorHref(QString("%1:%2").arg(kLinkScheme).arg(index));
    const std::string_view inside = rest.substr(open + kStart.size(), close - open - kStart.size());
    cursor.insertText(ToQt(inside), link);
    at = close + kStop.size();
  }
}

}  // namespace moyo::kit
