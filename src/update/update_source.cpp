#include "update/update_source.h"

#include <windows.h>

#include "update/update_server.h"

namespace vix {
namespace {

// The variable's value; nothing when it is not set (an empty value is set).
std::optional<std::wstring> EnvironmentValue(const wchar_t* name) {
    ::SetLastError(ERROR_SUCCESS);
    const DWORD needed = ::GetEnvironmentVariableW(name, nullptr, 0);
    if (needed == 0)
        return ::GetLastError() == ERROR_ENVVAR_NOT_FOUND ? std::nullopt
                                                          : std::optional<std::wstring>(L"");
    std::wstring value(needed, L'\0');
    const DWORD n = ::GetEnvironmentVariableW(name, value.data(), needed);
    if (n >= needed) return std::wstring();
    value.resize(n);
    return value;
}

}  // namespace

std::optional<WebAddress> ServerFromEnvironment() {
    const auto value = EnvironmentValue(kServerOverrideVariable);
    return value ? ChooseServer(std::wstring_view(*value)) : ChooseServer(std::nullopt);
}

std::wstring ComputerName() {
    wchar_t name[256] = L"";
    DWORD size = 256;
    if (!::GetComputerNameW(name, &size)) return {};
    return std::wstring(name, size);
}

}  // namespace vix
