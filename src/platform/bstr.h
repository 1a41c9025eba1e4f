#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>

#include "platform/system_libraries.h"

// The owner of one BSTR (a length-prefixed system string).

namespace vix::platform {

class Bstr {
  public:
    Bstr() noexcept = default;
    // A copy of `text`, embedded nulls included; raises ComError
    // (E_OUTOFMEMORY) when the system has no memory for it.
    explicit Bstr(std::wstring_view text);
    // Takes over a string the caller owns.
    static Bstr Adopt(BSTR s) noexcept;

    Bstr(Bstr&& other) noexcept;
    Bstr& operator=(Bstr&& other) noexcept;
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { reset(); }

    // Null stands for the empty string, as COM treats it.
    BSTR get() const noexcept { return s_; }
    BSTR* put() noexcept;
    [[nodiscard]] BSTR detach() noexcept;
    void reset() noexcept;

    std::size_t size() const noexcept { return late::SysStringLen(s_); }
    std::wstring str() const { return std::wstring(s_ ? s_ : L"", size()); }

  private:
    BSTR s_ = nullptr;
};

}  // namespace vix::platform
