#pragma once
#include <windows.h>
// (COM after <windows.h>)
#include <unknwn.h>

#include <utility>

namespace zubolo {

// Owns one reference to a COM interface and releases it when it goes.
template <class Interface>
class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* Get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    // The place where a creating or querying call puts the new reference; any reference held
    // before is released first.
    void** Put() {
        Reset();
        return reinterpret_cast<void**>(&pointer_);
    }

    void Reset() {
        if (pointer_ != nullptr) std::exchange(pointer_, nullptr)->Release();
    }

  private:
    Interface* pointer_ = nullptr;
};

}  // namespace zubolo
