#include "fake_photoshop_versions.h"

#include <windows.h>

#include "photoshop/version_list.h"
#include "platform/file.h"
#include "platform/handle.h"

namespace vix::test {

namespace {

// The program only reads the machine's keys; the tests write them as an
// installer would, with the registry functions themselves.
REGSAM ViewFlag(RegistryView view) {
    return view == RegistryView::Bits64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
}

}  // namespace

void RemoveFakeVersions() {
    for (auto view : {RegistryView::Bits32, RegistryView::Bits64}) {
        HKEY raw = nullptr;
        if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Adobe", 0,
                            KEY_ALL_ACCESS | ViewFlag(view), &raw) != ERROR_SUCCESS)
            continue;
        const platform::RegKey adobe(raw);
        ::RegDeleteTreeW(adobe.get(), L"Photoshop");
        ::RegDeleteKeyExW(adobe.get(), L"Photoshop", ViewFlag(view), 0);
    }
}

bool InstallFakeVersions(std::span<const FakeVersion> installed) {
    RemoveFakeVersions();
    for (const auto& version : installed) {
        const std::wstring path = std::wstring(kPhotoshopVersionsKey) + L"\\" + version.name;
        HKEY raw = nullptr;
        if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS | ViewFlag(version.view), nullptr, &raw,
                              nullptr) != ERROR_SUCCESS)
            return false;
        const platform::RegKey key(raw);
        if (!version.applicationPath) continue;
        const std::wstring& text = *version.applicationPath;
        if (::RegSetValueExW(key.get(), kApplicationPathValue, 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(text.c_str()),
                             static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) !=
            ERROR_SUCCESS)
            return false;
    }
    return true;
}

std::wstring MakeFolderWith(std::initializer_list<const wchar_t*> files) {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    static int count = 0;
    std::wstring folder = temp;
    folder += L"vix-photoshop-folder-";
    folder += std::to_wstring(::GetCurrentProcessId());
    folder += L"-";
    folder += std::to_wstring(++count);
    folder += L"\\";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    for (const wchar_t* file : files)
        platform::WriteWholeFile(folder + file, {});
    return folder;
}

namespace versions {

namespace {
FakeVersion At(const wchar_t* name) {
    return {name, std::wstring(L"C:\\Program Files\\Adobe\\Photoshop ") + name + L"\\",
            RegistryView::Bits32};
}
}  // namespace

std::vector<FakeVersion> One() { return {At(L"7.0")}; }
std::vector<FakeVersion> Two() { return {At(L"7.0"), At(L"8.0")}; }
std::vector<FakeVersion> ThirdAdded() { return {At(L"7.0"), At(L"8.0"), At(L"9.0")}; }
std::vector<FakeVersion> NineAndTen() { return {At(L"9.0"), At(L"10.0")}; }
std::vector<FakeVersion> OneWithoutPath() {
    return {At(L"7.0"), {L"8.0", std::nullopt, RegistryView::Bits32}};
}
std::vector<FakeVersion> OldProgramName(const std::wstring& photoshpFolder,
                                        const std::wstring& emptyFolder) {
    return {{L"7.0", photoshpFolder, RegistryView::Bits32},
            {L"8.0", emptyFolder, RegistryView::Bits32}};
}
std::vector<FakeVersion> BothViews() {
    auto nine64 = At(L"9.0");
    nine64.view = RegistryView::Bits64;
    auto thirteen = At(L"13.0");
    thirteen.view = RegistryView::Bits64;
    return {At(L"9.0"), thirteen, nine64};
}

}  // namespace versions

}  // namespace vix::test
