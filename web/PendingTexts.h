#pragma once
// The texts a form's labels and edits were given since the page last showed
// them. Only each one's newest text is kept: a record entered move by move
// sets the capture counts hundreds of times, and the page shows the last.

#include <string>
#include <utility>
#include <vector>

namespace moyo::web {

class PendingTexts {
 public:
  // Gives the component named `name` the text, replacing one not yet taken.
  void Set(const std::string& name, std::string text);
  // The names and their newest texts, in the order they were first set since
  // the last call; leaves none pending.
  std::vector<std::pair<std::string, std::string>> Take();

 private:
  std::vector<std::pair<std::string, std::string>> texts_;
};

}  // namespace moyo::web
