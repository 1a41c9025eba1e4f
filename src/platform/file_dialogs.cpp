#include "platform/file_dialogs.h"

#include <vector>

#include "platform/system_libraries.h"
#include "platform/task_memory.h"

namespace vix::platform {
namespace {

// The rule of every dialog that names a file or folder: an empty name is a
// cancel.
std::optional<std::wstring> Chosen(const wchar_t* name) {
    if (!name || name[0] == L'\0') return std::nullopt;
    return std::wstring(name);
}

}  // namespace

std::optional<std::wstring> AskSaveFileName(OPENFILENAMEW& dialog) {
    if (!late::GetSaveFileNameW(&dialog)) return std::nullopt;
    return Chosen(dialog.lpstrFile);
}

std::optional<std::wstring> AskFolder(BROWSEINFOW& info) {
    const TaskMemory<ITEMIDLIST> chosen(late::SHBrowseForFolderW(&info));
    if (!chosen) return std::nullopt;
    std::vector<wchar_t> path(32768, L'\0');
    if (!late::SHGetPathFromIDListEx(chosen.get(), path.data(), static_cast<DWORD>(path.size()),
                                     GPFIDL_DEFAULT))
        return std::nullopt;
    return Chosen(path.data());
}

}  // namespace vix::platform
