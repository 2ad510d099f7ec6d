#pragma once
// Helpers for the record tests: fixture files and Korean texts in CP949.

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "platform/Text.h"
#include "record/TGameRecord.h"

namespace moyo::test {

// The bytes of tests/record/fixtures/<name>.
inline std::string Fixture(const std::string& name) {
  const char* root = std::getenv("MOYO_SOURCE_DIR");
  const std::string path = std::string(root ? root : ".") + "/tests/record/fixtures/" + name;
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The bytes of samples/<name>.
inline std::string Sample(const std::string& name) {
  const char* root = std::getenv("MOYO_SOURCE_DIR");
  std::ifstream in(std::string(root ? root : ".") + "/samples/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A UTF-8 literal as the CP949 bytes a record holds.
inline std::string Cp(std::string_view utf8) {
  return platform::Utf8ToCp949(utf8);
}

// Moves or stones as "B16,4 W0,0 ...": colour, column and row (0, 0 a pass).
template <typename Stones>
std::string StoneText(const Stones& stones, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) {
    out += (stones[i].colour == kRecordBlack ? "B" : "W") + std::to_string(stones[i].x) + "," +
           std::to_string(stones[i].y) + " ";
  }
  return out;
}

inline std::string MoveText(const TGameRecord& record) {
  return StoneText(record.moves, record.moveCount);
}

// Records are too large for the test's stack.
inline std::unique_ptr<TGameRecord> NewRecord() {
  return std::make_unique<TGameRecord>();
}

}  // namespace moyo::test
