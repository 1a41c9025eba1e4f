#include "update/update_program.h"

#include <shellapi.h>

#include "platform/system_libraries.h"

namespace vix {

std::optional<UpdateProgram> UpdateProgram::Open(const std::wstring& path) {
    // Read sharing only: the system may load it, nobody may write, rename
    // or delete it while we hold it.
    platform::File file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    return UpdateProgram(path, std::move(file));
}

SignatureVerdict UpdateProgram::Check(const std::wstring& ownPath) const {
    return CheckUpdateSignature(path_, file_.get(), ownPath);
}

bool UpdateProgram::Start(const std::wstring& folder) const {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = path_.c_str();
    info.lpDirectory = folder.c_str();
    info.nShow = SW_SHOWNORMAL;
    return platform::late::ShellExecuteExW(&info) != FALSE;
}

void UpdateProgram::Discard() {
    file_.reset();
    // A file that cannot be deleted stays, but it fails its check again
    // whenever it is found.
    ::DeleteFileW(path_.c_str());
}

}  // namespace vix
