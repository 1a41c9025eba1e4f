#include "platform/held_folder.h"

#include <aclapi.h>
#include <sddl.h>

#include "platform/final_path.h"
#include "platform/security_text.h"

namespace vix::platform {
namespace {

// The path as the system spells it, short names expanded; the path itself
// when it cannot say.
std::wstring LongPath(const std::wstring& path) {
    const DWORD size = ::GetLongPathNameW(path.c_str(), nullptr, 0);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    const DWORD written = ::GetLongPathNameW(path.c_str(), full.data(), size);
    if (written == 0 || written >= size) return path;
    full.resize(written);
    return full;
}

// The system's name for what `handle` reaches now ("\\?\C:\..."); empty
// when it cannot say.
std::wstring FinalPath(HANDLE handle) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size =
            ::GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()),
                                        FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (size == 0) return {};
        if (size < path.size()) {
            path.resize(size);
            return path;
        }
        path.resize(size);
    }
}

}  // namespace

bool HandleIsAt(HANDLE handle, const std::wstring& path) {
    if (!handle || handle == INVALID_HANDLE_VALUE) return false;
    return SameFinalPath(FinalPath(handle), LongPath(path));
}

HeldFolder HeldFolder::Open(const std::wstring& path) {
    // Without delete sharing nobody may rename or delete the folder while it
    // is held; what is made in it is not hindered.
    return HeldFolder(
        File(::CreateFileW(path.c_str(), READ_CONTROL | WRITE_DAC | FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr)));
}

HeldFolder HeldFolder::OpenToLook(const std::wstring& path) {
    return HeldFolder(File(::CreateFileW(
        path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
        nullptr)));
}

bool HeldFolder::IsPlainFolder() const {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!handle_ || !::GetFileInformationByHandle(handle_.get(), &info)) return false;
    return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

std::wstring HeldFolder::OwnerSid() const {
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR raw = nullptr;
    if (!handle_ || ::GetSecurityInfo(handle_.get(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION,
                                      &owner, nullptr, nullptr, nullptr, &raw) != ERROR_SUCCESS)
        return {};
    const LocalMemory descriptor(raw);
    return SidText(owner);
}

bool HeldFolder::IsAt(const std::wstring& path) const { return HandleIsAt(handle_.get(), path); }

bool HeldFolder::SetAccessList(const std::wstring& sddl) const {
    void* raw = nullptr;
    if (!handle_ || !::ConvertStringSecurityDescriptorToSecurityDescriptorW(
                        sddl.c_str(), SDDL_REVISION_1, &raw, nullptr))
        return false;
    const LocalMemory descriptor(raw);
    // The descriptor goes to the handle whole, its "inherits nothing" mark
    // in its control with it. Not SetSecurityInfo: Wine's loses the list on
    // the way, and Wine then derives from the folder's Unix mode a list that
    // lets everyone read. Nothing already in the folder is changed; what is
    // made in it from now on inherits from this list.
    return ::SetKernelObjectSecurity(handle_.get(), DACL_SECURITY_INFORMATION, descriptor.get()) !=
           FALSE;
}

std::wstring HeldFolder::AccessListText() const {
    PSECURITY_DESCRIPTOR raw = nullptr;
    if (!handle_ || ::GetSecurityInfo(handle_.get(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                      nullptr, nullptr, nullptr, nullptr, &raw) != ERROR_SUCCESS)
        return {};
    const LocalMemory descriptor(raw);
    return platform::AccessListText(descriptor.get());
}

}  // namespace vix::platform
