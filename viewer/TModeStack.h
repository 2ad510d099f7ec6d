#pragma once
// The modes the viewer has left to enter trial mode, each with the record end
// and the whole position it held then, so leaving can restore them exactly.

#include <array>
#include <memory>

#include "board/BoardRecords.h"
#include "viewer/ViewerState.h"

namespace moyo {

// One saved mode.
struct TModeEntry {
  ViewerMode savedMode = ViewerMode::Viewing;
  int savedLastMove = 0;
  TBoardSnapshot savedPosition{};
};

// A stack of at most kCapacity saved modes. The entries are large (a whole
// position each), so they live in one block allocated with the stack.
class TModeStack {
 public:
  static constexpr int kCapacity = 10;

  TModeStack() : entries_(std::make_unique<std::array<TModeEntry, kCapacity>>()) {}

  // Entries on the stack; 0 when empty.
  int Depth() const { return depth_; }
  bool Full() const { return depth_ >= kCapacity; }
  // Stores an entry on top; false, storing nothing, when the stack is full.
  bool Push(ViewerMode mode, int lastMove, const TBoardSnapshot& position) {
    if (Full()) return false;
    TModeEntry& entry = (*entries_)[static_cast<std::size_t>(depth_)];
    entry.savedMode = mode;
    entry.savedLastMove = lastMove;
    entry.savedPosition = position;
    ++depth_;
    return true;
  }
  // The top entry, or nullptr when the stack is empty.
  const TModeEntry* Top() const {
    return depth_ > 0 ? &(*entries_)[static_cast<std::size_t>(depth_ - 1)] : nullptr;
  }
  // Drops the top entry; false on an empty stack.
  bool Pop() {
    if (depth_ <= 0) return false;
    --depth_;
    return true;
  }

 private:
  std::unique_ptr<std::array<TModeEntry, kCapacity>> entries_;
  int depth_ = 0;
};

}  // namespace moyo
