#include "wine_host.h"

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "platform/handle.h"

namespace vix::test {
namespace {

// Windows rules for one argument of a command line.
std::wstring Quote(const std::string& arg) {
    std::wstring out = L"\"";
    std::size_t slashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++slashes;
            continue;
        }
        out.append(c == '"' ? slashes * 2 + 1 : slashes, L'\\');
        slashes = 0;
        out.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    }
    out.append(slashes * 2, L'\\');
    return out + L"\"";
}

}  // namespace

std::string UnixPath(const std::wstring& windowsPath) {
    using ToUnix = char*(CDECL*)(LPCWSTR);
    const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return {};
    char* unix = toUnix(windowsPath.c_str());
    if (!unix) return {};
    std::string path = unix;
    // Wine allocates the name on the process heap.
    ::HeapFree(::GetProcessHeap(), 0, unix);
    return path;
}

std::wstring WindowsPath(const std::string& unixPath) {
    using ToDos = WCHAR*(CDECL*)(LPCSTR);
    const auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (!toDos) return {};
    WCHAR* dos = toDos(unixPath.c_str());
    if (!dos) return {};
    std::wstring path = dos;
    ::HeapFree(::GetProcessHeap(), 0, dos);
    return path;
}

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

long RunProgram(const std::wstring& commandLine, std::chrono::milliseconds limit) {
    std::wstring line = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info))
        return -1;
    const platform::KernelHandle thread(info.hThread);
    const platform::KernelHandle process(info.hProcess);
    if (::WaitForSingleObject(process.get(), static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.get(), 1);
        return -1;
    }
    DWORD code = 0;
    ::GetExitCodeProcess(process.get(), &code);
    return static_cast<long>(code);
}

bool StartUnixProgram(const std::vector<std::string>& argv) {
    std::wstring line;
    for (const auto& arg : argv)
        line += (line.empty() ? L"" : L" ") + Quote(arg);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return false;
    // For a Unix program Wine hands back no handles; for anything else these
    // would be real and are not needed.
    platform::KernelHandle thread(process.hThread);
    platform::KernelHandle owned(process.hProcess);
    return true;
}

bool WaitForFile(const std::wstring& path, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::wstring NewTempFolder(const wchar_t* prefix) {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    for (;;) {
        std::wstring folder = std::wstring(temp) + prefix + L"-" +
                              std::to_wstring(::GetCurrentProcessId()) + L"-" +
                              std::to_wstring(counter++) + L"-" + std::to_wstring(::GetTickCount());
        if (::CreateDirectoryW(folder.c_str(), nullptr)) return folder + L"\\";
        if (::GetLastError() != ERROR_ALREADY_EXISTS) return {};
    }
}

std::string ReadFileBytes(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    const std::wstring part = path + L".part";
    {
        std::ofstream out(std::filesystem::path(part), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) return false;
    }
    return ::MoveFileExW(part.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

}  // namespace vix::test
