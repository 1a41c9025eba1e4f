#include "platform/file.h"

#include <windows.h>

#include "platform/handle.h"

namespace vix::platform {

std::wstring SystemErrorText(unsigned long code) {
    wchar_t* buffer = nullptr;
    const DWORD n = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    std::wstring text = n ? std::wstring(buffer, n) : L"Error " + std::to_wstring(code) + L".";
    if (buffer) ::LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return text;
}

namespace {

// A short name of its own in the target's folder, made by the system with a
// number no other file there has. A name built from the target's would pass
// the 255-character limit for a name of 250, and a fixed one left behind by
// a crash would block every later save.
std::optional<std::wstring> TemporaryBeside(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
    wchar_t name[MAX_PATH] = {};
    if (!::GetTempFileNameW(folder.c_str(), L"vix", 0, name)) return std::nullopt;
    return std::wstring(name);
}

}  // namespace

std::optional<std::wstring> WriteWholeFile(const std::wstring& path,
                                           std::span<const std::uint8_t> bytes) {
    const auto failed = [&path](DWORD code) {
        return L"Cannot create file \"" + path + L"\". " + SystemErrorText(code);
    };
    const auto made = TemporaryBeside(path);
    if (!made) return failed(::GetLastError());
    const std::wstring& temporary = *made;
    {
        File file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            const DWORD code = ::GetLastError();
            ::DeleteFileW(temporary.c_str());
            return failed(code);
        }
        DWORD written = 0;
        if (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                         nullptr) ||
            written != bytes.size() || !::FlushFileBuffers(file.get())) {
            const DWORD code = ::GetLastError();
            file.reset();
            ::DeleteFileW(temporary.c_str());
            return failed(code ? code : ERROR_WRITE_FAULT);
        }
    }
    if (!::MoveFileExW(temporary.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD code = ::GetLastError();
        ::DeleteFileW(temporary.c_str());
        return failed(code);
    }
    return std::nullopt;
}

}  // namespace vix::platform
