// Stands in for the vendor's update program: when started it writes
// "<its own path>.started" beside itself and ends, so a test can tell
// whether and how it was started. The file's lines, UTF-8:
//   folder <the working folder it was started in>
//   module <the full path of a library or program loaded into it>   (each)
// It asks the system's version library about itself, as programs of its
// kind do: a library of that name lying beside it would be loaded instead.
#include <windows.h>
#include <psapi.h>

#include <string>
#include <vector>

#include "common/utf16.h"
#include "platform/handle.h"

namespace {

std::wstring Report() {
    std::wstring report;
    wchar_t folder[MAX_PATH] = L"";
    ::GetCurrentDirectoryW(MAX_PATH, folder);
    report += L"folder " + std::wstring(folder) + L"\n";
    std::vector<HMODULE> modules(512);
    DWORD bytes = 0;
    if (::EnumProcessModules(::GetCurrentProcess(), modules.data(),
                             static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &bytes)) {
        modules.resize(std::min<std::size_t>(modules.size(), bytes / sizeof(HMODULE)));
        for (HMODULE module : modules) {
            wchar_t path[MAX_PATH] = L"";
            if (::GetModuleFileNameW(module, path, MAX_PATH))
                report += L"module " + std::wstring(path) + L"\n";
        }
    }
    return report;
}

bool WriteWhole(const std::wstring& path, const std::string& text) {
    const vix::platform::File file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return ::WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written,
                       nullptr) &&
           written == text.size();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t self[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (length == 0 || length == MAX_PATH) return 1;
    DWORD handle = 0;
    ::GetFileVersionInfoSizeW(self, &handle);
    const std::string text = vix::ToUtf8(Report());
    const std::wstring marker = std::wstring(self) + L".started";
    // A test reads the report as soon as the marker is there: it is written
    // under another name and renamed whole, or a test could read it empty.
    const std::wstring partial = marker + L".part";
    if (!WriteWhole(partial, text)) return 1;
    return ::MoveFileExW(partial.c_str(), marker.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
