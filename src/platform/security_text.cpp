#include "platform/security_text.h"

#include <sddl.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/handle.h"

namespace vix::platform {

std::wstring SidText(PSID sid) {
    wchar_t* text = nullptr;
    if (!sid || !::ConvertSidToStringSidW(sid, &text)) return {};
    const LocalMemory owned(text);
    return text;
}

std::wstring AccessListText(PSECURITY_DESCRIPTOR descriptor) {
    wchar_t* text = nullptr;
    if (!descriptor || !::ConvertSecurityDescriptorToStringSecurityDescriptorW(
                           descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr))
        return {};
    const LocalMemory owned(text);
    return text;
}

std::wstring TokenSid(TOKEN_INFORMATION_CLASS which) {
    HANDLE raw = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &raw)) return {};
    const KernelHandle token(raw);
    DWORD size = 0;
    ::GetTokenInformation(token.get(), which, nullptr, 0, &size);
    if (size < sizeof(PSID)) return {};
    std::vector<std::uint8_t> buffer(size);
    if (!::GetTokenInformation(token.get(), which, buffer.data(), size, &size)) return {};
    // TOKEN_USER and TOKEN_OWNER both begin with the identifier's address.
    PSID sid = nullptr;
    std::memcpy(&sid, buffer.data(), sizeof(sid));
    return SidText(sid);
}

}  // namespace vix::platform
