#pragma once
// A fixed-capacity stack of board points, used by the flood fills and the capture search.

#include <array>
#include <cstdint>

namespace moyo {

// A stack of points with room for Capacity entries; pushes onto a full stack are ignored.
// The entries stay uninitialised until pushed, so a stack costs nothing to create.
template <int Capacity>
class TPointStack {
 public:
  static constexpr int kCapacity = Capacity;

  TPointStack() = default;
  TPointStack(const TPointStack&) = delete;
  TPointStack& operator=(const TPointStack&) = delete;

  // The number of points on the stack.
  int Count() const { return Count_; }
  // The top point's X, or -1 when the stack is empty.
  int TopX() const { return Count_ > 0 ? Entries_[Count_ - 1].X : -1; }
  // The top point's Y, or -1 when the stack is empty.
  int TopY() const { return Count_ > 0 ? Entries_[Count_ - 1].Y : -1; }

  // Takes the top point off; on an empty stack X and Y keep their values and false is returned.
  bool Pop(int& X, int& Y) {
    if (Count_ < 1) return false;
    --Count_;
    X = Entries_[Count_].X;
    Y = Entries_[Count_].Y;
    return true;
  }

  // Puts a point on top; false (and nothing stored) when the stack is full.
  bool Push(int X, int Y) {
    if (Count_ >= Capacity) return false;
    Entries_[Count_].X = X;
    Entries_[Count_].Y = Y;
    ++Count_;
    return true;
  }

 private:
  struct Entry {
    std::int32_t X;
    std::int32_t Y;
  };
  std::int32_t Count_ = 0;
  std::array<Entry, Capacity> Entries_;
};

// The board unit's point stack: 500 entries, more than any group or capture can hold.
using TStack = TPointStack<500>;

}  // namespace moyo
