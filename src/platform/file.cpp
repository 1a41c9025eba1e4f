#include "platform/file.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cwchar>

#include "common/write_in_full.h"
#include "platform/handle.h"

namespace vix::platform {
namespace {

// How many taken names a save steps over before it gives up.
constexpr std::uint32_t kTemporaryAttempts = 64;

// The most one write call is given, well within its 32-bit count.
constexpr std::size_t kLargestWrite = std::size_t{1} << 30;

std::atomic<std::uint32_t>& TemporaryCounter() {
    // Seeded per process, so that two copies of the program saving into one
    // folder start far apart.
    static std::atomic<std::uint32_t> counter{::GetCurrentProcessId() * 0x9E3779B1u ^
                                              static_cast<std::uint32_t>(::GetTickCount64())};
    return counter;
}

bool NameTaken(DWORD code) {
    return code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS || code == ERROR_ACCESS_DENIED;
}

// Creates a new temporary file beside `path`; on failure the last error code.
File CreateTemporary(const std::wstring& path, std::wstring& temporary, DWORD& error) {
    for (std::uint32_t attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        temporary = detail::TemporaryPath(path, TemporaryCounter().fetch_add(1));
        File file(::CreateFileW(detail::LongPathForm(temporary).c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) return file;
        error = ::GetLastError();
        // A leftover (even a read-only one) only costs a name; anything else
        // is about the folder and will not change with another name.
        if (!NameTaken(error)) break;
    }
    return File();
}

// Writes and flushes all of `bytes`; the error of the call that failed, or
// 0. A disk that fills up takes what fits and refuses the rest in the next
// call, whose error is the one to report.
DWORD WriteAll(const File& file, std::span<const std::uint8_t> bytes) {
    const std::uint32_t error = WriteInFull(
        bytes,
        [&file](std::span<const std::uint8_t> offered) {
            DWORD written = 0;
            const auto size = static_cast<DWORD>(std::min(offered.size(), kLargestWrite));
            if (!::WriteFile(file.get(), offered.data(), size, &written, nullptr))
                return WritePart{written, ::GetLastError()};
            return WritePart{written, 0};
        },
        ERROR_DISK_FULL);
    if (error != 0) return error;
    return ::FlushFileBuffers(file.get()) ? ERROR_SUCCESS : ::GetLastError();
}

}  // namespace

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

namespace detail {

std::wstring TemporaryPath(const std::wstring& target, std::uint32_t number) {
    const std::size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder =
        slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
    wchar_t name[32];
    std::swprintf(name, 32, L"~vix%08X.tmp", static_cast<unsigned>(number));
    return folder + name;
}

std::uint32_t NextTemporaryNumber() { return TemporaryCounter().load(); }

std::wstring LongPathForm(const std::wstring& path) {
    // Below this even a temporary name beside the file fits the old limit.
    if (path.size() < MAX_PATH - 16) return path;
    const bool drive = path.size() > 2 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
    const bool unc = path.rfind(L"\\\\", 0) == 0 && path.rfind(L"\\\\?\\", 0) != 0 &&
                     path.rfind(L"\\\\.\\", 0) != 0;
    if (!drive && !unc) return path;
    // The prefixed form is taken literally: give it a clean full path.
    std::wstring full(::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
    if (full.empty()) return path;
    full.resize(
        ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

}  // namespace detail

std::optional<std::wstring> WriteWholeFile(const std::wstring& path,
                                           std::span<const std::uint8_t> bytes) {
    const auto failed = [&path](DWORD code) {
        return L"Cannot create file \"" + path + L"\". " + SystemErrorText(code);
    };
    // Windows refuses to replace a read-only file, Wine replaces it: both
    // refuse it here, before anything is written.
    const DWORD attributes = ::GetFileAttributesW(detail::LongPathForm(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return failed(ERROR_ACCESS_DENIED);
    std::wstring temporary;
    DWORD error = ERROR_CANNOT_MAKE;
    File file = CreateTemporary(path, temporary, error);
    if (!file) return failed(error);
    const std::wstring temporaryLong = detail::LongPathForm(temporary);
    if (const DWORD code = WriteAll(file, bytes)) {
        file.reset();
        ::DeleteFileW(temporaryLong.c_str());
        return failed(code);
    }
    file.reset();
    if (!::MoveFileExW(temporaryLong.c_str(), detail::LongPathForm(path).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD code = ::GetLastError();
        ::DeleteFileW(temporaryLong.c_str());
        return failed(code);
    }
    return std::nullopt;
}

}  // namespace vix::platform
