// Feeds arbitrary bytes to the reference-diagram encoder as a diagram tag's value.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "record/ReferenceDiagram.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view value(reinterpret_cast<const char*>(data), size);
  const std::string text = moyo::EncodeDiagram(value);
  // Start, count, two letters a move, two separators, four letters a label at most.
  const std::size_t most = 4 + 2 * moyo::kMaxDiagramMoves + 4 + 2 + 4 * moyo::kMaxDiagramLabels;
  if (text.size() > most + size) __builtin_trap();
  return 0;
}
