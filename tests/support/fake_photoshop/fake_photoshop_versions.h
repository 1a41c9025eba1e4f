#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/registry.h"

// Installed Photoshop versions as the discovery tests need them: version
// keys under HKEY_LOCAL_MACHINE\SOFTWARE\Adobe\Photoshop in the 32-bit or
// the 64-bit registry view, and folders that hold a program file.

namespace vix::test {

using platform::RegistryView;
using ViewRegistry = platform::WinRegistry;

struct FakeVersion {
    std::wstring name;
    std::optional<std::wstring> applicationPath;  // none: the value is missing
    RegistryView view = RegistryView::Bits32;
};

// Replaces the version keys of both views by `versions`.
bool InstallFakeVersions(std::span<const FakeVersion> versions);
// Removes the Photoshop key from both views.
void RemoveFakeVersions();

// A new empty folder (with a final backslash) under the temporary folder,
// holding an empty file of each name given.
std::wstring MakeFolderWith(std::initializer_list<const wchar_t*> files);

// The discovery cases.
namespace versions {
std::vector<FakeVersion> One();             // 7.0
std::vector<FakeVersion> Two();             // 7.0 and 8.0
std::vector<FakeVersion> ThirdAdded();      // 7.0, 8.0 and 9.0
std::vector<FakeVersion> NineAndTen();      // 9.0 and 10.0
std::vector<FakeVersion> OneWithoutPath();  // 7.0, and 8.0 without ApplicationPath
// 7.0 in a folder that holds "Photoshp.exe"; 8.0 in one that holds nothing.
std::vector<FakeVersion> OldProgramName(const std::wstring& photoshpFolder,
                                        const std::wstring& emptyFolder);
// 9.0 in the 32-bit view, 13.0 and 9.0 again in the 64-bit view.
std::vector<FakeVersion> BothViews();
}  // namespace versions

}  // namespace vix::test
