#pragma once
// The game tree of a standard SGF text (FF[1] to FF[4]), parsed without copying: nodes,
// their properties and the raw values as views into the text.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace moyo {

// One property of a node: its identifier in capitals (FF[1]-style lower-case letters, as in
// "AddBlack", are left out) and its values, which are values[first .. first + count).
struct TSgfProperty {
  std::array<char, 4> id{};
  std::uint8_t idLength = 0;  // 0: longer than any identifier this program knows
  std::uint32_t first = 0;
  std::uint32_t count = 0;

  std::string_view Id() const { return {id.data(), idLength}; }
};

// One node; -1 stands for none. The first child continues the main line.
struct TSgfNode {
  std::int32_t parent = -1;
  std::int32_t firstChild = -1;
  std::int32_t lastChild = -1;
  std::int32_t nextSibling = -1;
  std::uint32_t firstProperty = 0;
  std::uint32_t propertyCount = 0;
};

// The first game of a collection; node 0 is its root.
struct TSgfTree {
  std::vector<TSgfNode> nodes;
  std::vector<TSgfProperty> properties;
  std::vector<std::string_view> values;  // raw, escapes still in
  int gameCount = 0;                     // game trees at the top level of the text
  bool complete = false;                 // every "(" was closed and no value cut off
  std::size_t endOffset = 0;             // where reading stopped

  // The first value of the node's property `id`, or nothing when it has none.
  const TSgfProperty* Find(std::int32_t node, std::string_view id) const;
  std::string_view FirstValue(std::int32_t node, std::string_view id, bool& found) const;
};

// Parses `text` into `tree` (cleared first). Everything up to the first "(" and any byte
// that is no token is skipped; the first game is kept and the others only counted.
void ParseSgf(std::string_view text, TSgfTree& tree);

// The property identifiers of the first node of `text`, up to `limit` of them, with their
// first raw values: what telling the formats apart and finding the character set need.
struct TSgfRootProperty {
  std::string_view id;
  std::string_view value;
};
std::vector<TSgfRootProperty> SgfRootProperties(std::string_view text, std::size_t limit);

// A text value with its escapes resolved: "\" keeps the byte after it, "\" before a line
// break removes both (a soft break). A simple text also turns line breaks into blanks.
std::string SgfText(std::string_view raw, bool simple);

}  // namespace moyo
