#include "record/SgfTree.h"

#include <cstring>

namespace moyo {
namespace {

bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}
bool IsLower(char c) {
  return c >= 'a' && c <= 'z';
}
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// A read position in the text; each function below reads one kind of token from it.
struct TCursor {
  std::string_view text;
  std::size_t at = 0;

  bool AtEnd() const { return at >= text.size(); }
  char Peek() const { return text[at]; }
  void SkipBlanks() {
    while (at < text.size() && IsBlank(text[at])) ++at;
  }
};

// The identifier at the cursor (letters); false when the cursor is on no letter.
bool ReadIdentifier(TCursor& cursor, TSgfProperty& property) {
  if (cursor.AtEnd() || !(IsUpper(cursor.Peek()) || IsLower(cursor.Peek()))) return false;
  int capitals = 0;
  while (!cursor.AtEnd() && (IsUpper(cursor.Peek()) || IsLower(cursor.Peek()))) {
    const char c = cursor.Peek();
    if (IsUpper(c)) {
      if (capitals < static_cast<int>(property.id.size())) property.id[capitals] = c;
      ++capitals;
    }
    ++cursor.at;
  }
  property.idLength =
      capitals <= static_cast<int>(property.id.size()) ? static_cast<std::uint8_t>(capitals) : 0;
  return true;
}

// The raw value from after "[" to before its closing "]"; false when the text ends first.
bool ReadValue(TCursor& cursor, std::string_view& value) {
  const std::size_t start = ++cursor.at;  // past "["
  const char* data = cursor.text.data();
  std::size_t i = start;
  while (i < cursor.text.size()) {
    const void* stop = std::memchr(data + i, ']', cursor.text.size() - i);
    const std::size_t close = stop ? static_cast<const char*>(stop) - data : cursor.text.size();
    // A "]" preceded by an odd number of backslashes is escaped.
    std::size_t slashes = 0;
    while (close - slashes > start && data[close - slashes - 1] == '\\') ++slashes;
    if (close >= cursor.text.size()) break;
    if (slashes % 2 == 0) {
      value = cursor.text.substr(start, close - start);
      cursor.at = close + 1;
      return true;
    }
    i = close + 1;
  }
  cursor.at = cursor.text.size();
  return false;
}

// A property with all its values; the cursor is on its first letter.
bool ReadProperty(TCursor& cursor, TSgfProperty& property, std::vector<std::string_view>& values,
                  bool store) {
  ReadIdentifier(cursor, property);
  property.first = static_cast<std::uint32_t>(values.size());
  cursor.SkipBlanks();
  while (!cursor.AtEnd() && cursor.Peek() == '[') {
    std::string_view value;
    if (!ReadValue(cursor, value)) return false;
    if (store) values.push_back(value);
    ++property.count;
    cursor.SkipBlanks();
  }
  return true;
}

// Links a new node under `parent` (or as a root) and returns its index.
std::int32_t AddNode(TSgfTree& tree, std::int32_t parent) {
  const auto index = static_cast<std::int32_t>(tree.nodes.size());
  TSgfNode node;
  node.parent = parent;
  node.firstProperty = static_cast<std::uint32_t>(tree.properties.size());
  tree.nodes.push_back(node);
  if (parent >= 0) {
    TSgfNode& up = tree.nodes[parent];
    if (up.lastChild < 0) {
      up.firstChild = index;
    } else {
      tree.nodes[up.lastChild].nextSibling = index;
    }
    up.lastChild = index;
  }
  return index;
}

// The properties of one node; false when the text ends inside a value.
bool ReadNodeProperties(TCursor& cursor, TSgfTree& tree, std::int32_t node, bool store) {
  for (;;) {
    cursor.SkipBlanks();
    if (cursor.AtEnd()) return true;
    const char c = cursor.Peek();
    if (!IsUpper(c) && !IsLower(c)) return true;
    TSgfProperty property;
    if (!ReadProperty(cursor, property, tree.values, store)) return false;
    if (store && property.count > 0) {
      tree.properties.push_back(property);
      ++tree.nodes[node].propertyCount;
    }
  }
}

}  // namespace

const TSgfProperty* TSgfTree::Find(std::int32_t node, std::string_view id) const {
  if (node < 0 || node >= static_cast<std::int32_t>(nodes.size())) return nullptr;
  const TSgfNode& n = nodes[node];
  for (std::uint32_t i = 0; i < n.propertyCount; ++i) {
    const TSgfProperty& property = properties[n.firstProperty + i];
    if (property.Id() == id) return &property;
  }
  return nullptr;
}

std::string_view TSgfTree::FirstValue(std::int32_t node, std::string_view id, bool& found) const {
  const TSgfProperty* property = Find(node, id);
  found = property != nullptr;
  return found ? values[property->first] : std::string_view{};
}

void ParseSgf(std::string_view text, TSgfTree& tree) {
  tree.nodes.clear();
  tree.properties.clear();
  tree.values.clear();
  tree.gameCount = 0;
  tree.complete = false;
  // About what a commented game needs; a denser text grows them.
  tree.nodes.reserve(text.size() / 32 + 4);
  tree.properties.reserve(text.size() / 24 + 4);
  tree.values.reserve(text.size() / 24 + 4);

  TCursor cursor{text, 0};
  std::vector<std::int32_t> open;  // the node each open "(" continues from
  std::int32_t current = -1;
  bool store = true;  // only the first game is kept
  bool cut = false;
  while (!cursor.AtEnd() && !cut) {
    const char c = cursor.Peek();
    if (c == '(') {
      if (open.empty()) {
        ++tree.gameCount;
        store = tree.gameCount == 1;
        current = -1;
      }
      open.push_back(current);
      ++cursor.at;
    } else if (c == ')') {
      if (!open.empty()) {
        current = open.back();
        open.pop_back();
      }
      ++cursor.at;
    } else if (c == ';' && !open.empty()) {
      ++cursor.at;
      if (store) current = AddNode(tree, current);
      cut = !ReadNodeProperties(cursor, tree, current, store);
    } else if ((IsUpper(c) || IsLower(c)) && !open.empty() && current >= 0) {
      // Properties after a value and a stray byte still belong to the node.
      cut = !ReadNodeProperties(cursor, tree, current, store);
    } else if (c == '[' && !open.empty()) {
      std::string_view dropped;
      cut = !ReadValue(cursor, dropped);  // a value without a name: skipped whole
    } else {
      ++cursor.at;
    }
  }
  tree.complete = !cut && open.empty() && tree.gameCount > 0;
  tree.endOffset = cursor.at;
}

std::vector<TSgfRootProperty> SgfRootProperties(std::string_view text, std::size_t limit) {
  std::vector<TSgfRootProperty> found;
  TCursor cursor{text, text.find('(')};
  if (cursor.at == std::string_view::npos) return found;
  ++cursor.at;
  cursor.SkipBlanks();
  if (cursor.AtEnd() || cursor.Peek() != ';') return found;
  ++cursor.at;
  std::vector<std::string_view> values;
  while (found.size() < limit) {
    cursor.SkipBlanks();
    if (cursor.AtEnd() || !(IsUpper(cursor.Peek()) || IsLower(cursor.Peek()))) break;
    const std::size_t nameStart = cursor.at;
    TSgfProperty property;
    values.clear();
    const bool whole = ReadProperty(cursor, property, values, true);
    if (property.count == 0) break;  // a name without a value: no SGF node
    std::string_view name = text.substr(nameStart);
    name = name.substr(0, name.find_first_of("[ \t\r\n"));
    found.push_back({name, values.front()});
    if (!whole) break;
  }
  return found;
}

std::string SgfText(std::string_view raw, bool simple) {
  std::string out;
  out.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    char c = raw[i];
    if (c == '\\' && i + 1 < raw.size()) {
      c = raw[++i];
      if (c == '\r' || c == '\n') {
        // A soft line break: the break goes, with the other half of a CR LF pair.
        if (i + 1 < raw.size() && (raw[i + 1] == '\r' || raw[i + 1] == '\n') && raw[i + 1] != c) {
          ++i;
        }
        continue;
      }
    } else if (simple && (c == '\r' || c == '\n' || c == '\t')) {
      if (c == '\n' && i > 0 && raw[i - 1] == '\r') continue;
      c = ' ';
    }
    out += c;
  }
  return out;
}

}  // namespace moyo
