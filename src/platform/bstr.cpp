#include "platform/bstr.h"

#include <utility>

#include "platform/com_error.h"
#include "platform/system_libraries.h"

namespace vix::platform {

Bstr::Bstr(std::wstring_view text)
    : s_(late::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
    if (!s_) throw ComError(E_OUTOFMEMORY, L"Making a string");
}

Bstr Bstr::Adopt(BSTR s) noexcept {
    Bstr owner;
    owner.s_ = s;
    return owner;
}

Bstr::Bstr(Bstr&& other) noexcept : s_(std::exchange(other.s_, nullptr)) {}

Bstr& Bstr::operator=(Bstr&& other) noexcept {
    if (this != &other) {
        reset();
        s_ = std::exchange(other.s_, nullptr);
    }
    return *this;
}

BSTR* Bstr::put() noexcept {
    reset();
    return &s_;
}

BSTR Bstr::detach() noexcept { return std::exchange(s_, nullptr); }

void Bstr::reset() noexcept { late::SysFreeString(std::exchange(s_, nullptr)); }

}  // namespace vix::platform
