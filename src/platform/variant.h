#pragma once

#include <windows.h>
#include <oaidl.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/com_ptr.h"
#include "platform/system_libraries.h"

// The owner of one VARIANT: what it holds (a string, an object reference) is
// freed with it. Move-only; the conversions raise ComError when the value
// cannot be read as asked.

namespace vix::platform {

class Variant {
  public:
    Variant() noexcept { late::VariantInit(&v_); }
    // VT_BOOL: true is VARIANT_TRUE (-1), as automation servers expect.
    explicit Variant(bool value) noexcept;
    explicit Variant(std::int32_t value) noexcept;
    explicit Variant(double value) noexcept;
    // VT_BSTR, a copy of the text.
    explicit Variant(std::wstring_view text);
    // Without this a string literal would become a bool.
    explicit Variant(const wchar_t* text) : Variant(std::wstring_view(text)) {}
    // VT_DISPATCH with a reference of its own.
    explicit Variant(IDispatch* object) noexcept;

    Variant(Variant&& other) noexcept;
    Variant& operator=(Variant&& other) noexcept;
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { reset(); }

    const VARIANT* get() const noexcept { return &v_; }
    VARIANT* get() noexcept { return &v_; }
    // For an out parameter: clears what is held and gives the slot.
    VARIANT* put() noexcept;
    // Hands the value, and what it holds, to the caller.
    [[nodiscard]] VARIANT detach() noexcept;
    void reset() noexcept;
    VARTYPE type() const noexcept { return v_.vt; }

    // The value converted as automation converts it ("42" reads as 42).
    std::int32_t ToInt() const;
    double ToDouble() const;
    bool ToBool() const;
    std::wstring ToString() const;
    // The object held (VT_DISPATCH or VT_UNKNOWN answering IDispatch).
    ComPtr<IDispatch> ToDispatch() const;

  private:
    Variant Converted(VARTYPE to) const;
    VARIANT v_;
};

}  // namespace vix::platform
