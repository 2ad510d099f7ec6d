#include "resources/artwork/ArtworkNames.h"

namespace moyo::artwork {

std::string StoneName(char colour, bool mask, int cell) {
  return std::string(1, colour) + (mask ? "m" : "s") + std::to_string(cell);
}

}  // namespace moyo::artwork
