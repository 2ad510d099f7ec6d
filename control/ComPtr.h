#pragma once
// An owning interface pointer: holds one reference and drops it when it goes,
// so no path through a function can forget a Release().

#include <utility>

namespace moyo::com {

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes a reference of its own to `pointer`.
  explicit ComPtr(T* pointer) : pointer_(pointer) {
    if (pointer_ != nullptr) pointer_->AddRef();
  }
  // Takes over the reference the caller holds, as a creator or QueryInterface hands one out.
  static ComPtr Adopt(T* pointer) {
    ComPtr owner;
    owner.pointer_ = pointer;
    return owner;
  }
  ComPtr(const ComPtr& other) : ComPtr(other.pointer_) {}
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(pointer_, other.pointer_);
    return *this;
  }
  ~ComPtr() { Reset(); }

  T* Get() const { return pointer_; }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // Hands the reference to the caller, who must release it.
  T* Detach() { return std::exchange(pointer_, nullptr); }
  void Reset() {
    if (T* old = std::exchange(pointer_, nullptr)) old->Release();
  }

 private:
  T* pointer_ = nullptr;
};

}  // namespace moyo::com
