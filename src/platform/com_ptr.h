#pragma once

#include <windows.h>
#include <unknwn.h>

#include <string_view>
#include <utility>

#include "platform/com_error.h"

// The owner of one reference to a COM interface. Move-only: a second
// reference is taken on purpose, with Share or Copy, never by accident.

namespace vix::platform {

template <typename T>
class ComPtr {
  public:
    ComPtr() noexcept = default;
    // Takes over a reference the caller owns, as an out parameter hands one.
    static ComPtr Adopt(T* p) noexcept {
        ComPtr owner;
        owner.p_ = p;
        return owner;
    }
    // Takes a reference of its own.
    static ComPtr Share(T* p) noexcept {
        if (p) p->AddRef();
        return Adopt(p);
    }

    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { reset(); }

    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }

    // For an out parameter: drops the reference held and gives its slot.
    T** put() noexcept {
        reset();
        return &p_;
    }
    void** put_void() noexcept { return reinterpret_cast<void**>(put()); }
    // Hands the reference to the caller.
    [[nodiscard]] T* detach() noexcept { return std::exchange(p_, nullptr); }
    void reset() noexcept {
        if (T* old = std::exchange(p_, nullptr)) old->Release();
    }
    ComPtr Copy() const noexcept { return Share(p_); }

    // The object's interface `iid`; raises ComError when it has none.
    template <typename U>
    ComPtr<U> Query(REFIID iid, std::wstring_view operation) const {
        ComPtr<U> other;
        ThrowIfFailed(TryQuery(iid, other), operation);
        return other;
    }
    // The same without raising: the QueryInterface status.
    template <typename U>
    HRESULT TryQuery(REFIID iid, ComPtr<U>& other) const {
        if (!p_) return E_POINTER;
        return p_->QueryInterface(iid, other.put_void());
    }

  private:
    T* p_ = nullptr;
};

}  // namespace vix::platform
