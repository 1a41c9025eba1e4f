#include "update/update_program.h"

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
    // By its full path, not looked up anywhere; our handles (the one on the
    // file included) are not passed on.
    std::wstring commandLine = L"\"" + path_ + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(path_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &started))
        return false;
    const platform::KernelHandle process(started.hProcess);
    const platform::KernelHandle thread(started.hThread);
    return true;
}

void UpdateProgram::Discard() {
    file_.reset();
    // A file that cannot be deleted stays, but it fails its check again
    // whenever it is found.
    ::DeleteFileW(path_.c_str());
}

}  // namespace vix
