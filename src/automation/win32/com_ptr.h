#pragma once
#include <windows.h>
#include <unknwn.h>

#include <utility>

namespace vk {

// Owns one counted reference to a COM interface.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes a new reference to p.
  explicit ComPtr(T* p) : p_(p) {
    if (p_) p_->AddRef();
  }
  ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~ComPtr() { Reset(); }

  // Adopts a reference the caller already owns (an out parameter's result).
  static ComPtr Attach(T* p) {
    ComPtr result;
    result.p_ = p;
    return result;
  }

  void Reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }
  T* Get() const noexcept { return p_; }
  T* operator->() const noexcept { return p_; }
  explicit operator bool() const noexcept { return p_ != nullptr; }
  // For out parameters: releases the current reference first.
  T** Out() {
    Reset();
    return &p_;
  }
  // Hands the reference to the caller.
  T* Detach() noexcept { return std::exchange(p_, nullptr); }

 private:
  T* p_ = nullptr;
};

}  // namespace vk
