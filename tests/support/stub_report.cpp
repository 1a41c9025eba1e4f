#include "stub_report.h"

#include <windows.h>

#include "common/utf16.h"
#include "wine_host.h"

namespace vix::test {
namespace {

constexpr wchar_t kOverrides[] = L"WINEDLLOVERRIDES";

std::wstring WithSeparator(std::wstring folder) {
    if (!folder.empty() && folder.back() != L'\\') folder.push_back(L'\\');
    return folder;
}

}  // namespace

std::optional<StubReport> ReadStubReport(const std::wstring& startedFile) {
    if (::GetFileAttributesW(startedFile.c_str()) == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    const std::wstring text = FromUtf8(ReadFileBytes(startedFile));
    StubReport report;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        const std::wstring line = text.substr(start, end - start);
        if (line.rfind(L"folder ", 0) == 0) report.folder = line.substr(7);
        if (line.rfind(L"module ", 0) == 0) report.modules.push_back(line.substr(7));
        start = end + 1;
    }
    return report;
}

bool InFolder(const std::wstring& path, const std::wstring& folder) {
    const std::wstring base = WithSeparator(folder);
    return path.size() > base.size() &&
           ::CompareStringOrdinal(path.c_str(), static_cast<int>(base.size()), base.c_str(),
                                  static_cast<int>(base.size()), TRUE) == CSTR_EQUAL;
}

bool SameFile(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                  static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

std::vector<std::wstring> ModulesIn(const StubReport& report, const std::wstring& folder) {
    std::vector<std::wstring> found;
    for (const std::wstring& module : report.modules)
        if (InFolder(module, folder)) found.push_back(module);
    return found;
}

PlantedLibrariesLoad::PlantedLibrariesLoad() {
    wchar_t value[1024] = L"";
    const DWORD n = ::GetEnvironmentVariableW(kOverrides, value, 1024);
    if (n > 0 && n < 1024) saved_ = value;
    const std::wstring overrides = (saved_ ? *saved_ + L";" : std::wstring()) + L"version=n,b";
    ::SetEnvironmentVariableW(kOverrides, overrides.c_str());
}

PlantedLibrariesLoad::~PlantedLibrariesLoad() {
    ::SetEnvironmentVariableW(kOverrides, saved_ ? saved_->c_str() : nullptr);
}

}  // namespace vix::test
