#include "fake_photoshop_versions.h"

#include <windows.h>

#include "photoshop/version_list.h"
#include "platform/file.h"

namespace vix::test {

void RemoveFakeVersions() {
    for (auto view : {RegistryView::Bits32, RegistryView::Bits64})
        ViewRegistry(view).DeleteTree(RegistryRoot::LocalMachine, kPhotoshopVersionsKey);
}

bool InstallFakeVersions(std::span<const FakeVersion> installed) {
    RemoveFakeVersions();
    for (const auto& version : installed) {
        ViewRegistry registry(version.view);
        auto key = registry.Open(RegistryRoot::LocalMachine,
                                 std::wstring(kPhotoshopVersionsKey) + L"\\" + version.name,
                                 OpenMode::Create);
        if (!key) return false;
        if (version.applicationPath &&
            !key->Write(kApplicationPathValue, RegistryValue::Text(*version.applicationPath)))
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
