#pragma once
// Writes a move's commentary into the memo: text items as lines and reference
// diagrams as link lines, each set off from the one before by a blank line.

#include <string>

namespace moyo {

class TCommentMemo;

class TNoteMessage {
 public:
  // Writes to `memo`, which it does not own; a null memo makes every call do nothing.
  explicit TNoteMessage(TCommentMemo* memo) : memo_(memo) {}

  // Appends an empty line unless the memo is empty or already ends with one.
  void AddBlankLine();
  // Appends `text` as one line, after a blank line when `separate`.
  void AddText(const std::string& text, bool separate);
  // Appends `text` wrapped in the link markers, after a blank line when `separate`.
  void AddLink(const std::string& text, bool separate);

 private:
  TCommentMemo* memo_;
};

}  // namespace moyo
