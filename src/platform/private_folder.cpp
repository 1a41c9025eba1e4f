#include "platform/private_folder.h"

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>
#include <shlobj.h>

#include "platform/folder_owner.h"
#include "platform/handle.h"
#include "platform/private_access_list.h"
#include "platform/security_text.h"
#include "platform/system_libraries.h"
#include "platform/task_memory.h"

namespace vix::platform {
namespace {

std::wstring WithoutTrailingSeparator(std::wstring path) {
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/'))
        path.pop_back();
    return path;
}

// Walks from the drive's root down to the folder above `path`, making the
// folders that are missing (with the usual rights), and opening each as
// itself: a junction or link on the way would put the folder somewhere
// else. Each must also be where its name says, which catches a link the
// system followed although asked not to (Wine follows Unix links so).
// Nothing is made below a folder that fails.
bool MakeParentsWithoutLinks(const std::wstring& path) {
    for (std::size_t end = 3; end != std::wstring::npos && end < path.size();
         end = path.find(L'\\', end + 1)) {
        const std::wstring parent = path.substr(0, end == 3 ? 3 : end);
        if (::GetFileAttributesW(parent.c_str()) == INVALID_FILE_ATTRIBUTES)
            ::CreateDirectoryW(parent.c_str(), nullptr);
        const HeldFolder held = HeldFolder::OpenToLook(parent);
        if (!held.IsPlainFolder() || !held.IsAt(parent)) return false;
    }
    return true;
}

// Removes a link, file or folder tree at `path` without following links.
bool RemoveEntry(const std::wstring& path, DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_READONLY)
        ::SetFileAttributesW(path.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return ::DeleteFileW(path.c_str()) != FALSE;
    // A link to a folder goes as a link; what it points at stays untouched.
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT) && !EmptyFolderExcept(path, L"")) return false;
    return ::RemoveDirectoryW(path.c_str()) != FALSE;
}

// Leaves a plain folder at `path`: as found, or made with `descriptor`'s
// list; a file in its place is removed first. A link or a junction there
// is refused as it is: removed by its name it could take what it leads to
// with it (Wine removes the folder a Unix link leads to).
bool PlaceFolder(const std::wstring& path, void* descriptor) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return false;
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) return true;
        if (!RemoveEntry(path, attributes)) return false;
    }
    SECURITY_ATTRIBUTES security{sizeof(security), descriptor, FALSE};
    return ::CreateDirectoryW(path.c_str(), &security) != FALSE;
}

// The folder at `path`, opened as itself, when it is a plain folder, where
// its name says and the user's own; it is given `list` through its handle.
// Where it is comes first, so that nothing is changed elsewhere.
HeldFolder OpenOwnFolder(const std::wstring& path, const std::wstring& sid,
                         const std::wstring& list) {
    HeldFolder held = HeldFolder::Open(path);
    if (!held || !held.IsPlainFolder() || !held.IsAt(path) ||
        !OwnedByCurrentUser(held.OwnerSid(), sid, TokenSid(TokenOwner)) ||
        !held.SetAccessList(list))
        return {};
    return held;
}

}  // namespace

std::wstring LocalAppDataFolder() {
    wchar_t* raw = nullptr;
    if (FAILED(
            late::SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DONT_VERIFY, nullptr, &raw)))
        return {};
    const TaskMemory<wchar_t> text(raw);
    std::wstring folder(text.get());
    if (folder.empty()) return {};
    if (folder.back() != L'\\') folder.push_back(L'\\');
    return folder;
}

std::wstring CurrentUserSid() { return TokenSid(TokenUser); }

HeldFolder MakePrivateFolder(const std::wstring& folder) {
    const std::wstring path = WithoutTrailingSeparator(folder);
    const std::wstring sid = CurrentUserSid();
    if (sid.empty() || path.size() < 4 || !MakeParentsWithoutLinks(path)) return {};
    const std::wstring list = PrivateAccessList(sid);
    void* raw = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(list.c_str(), SDDL_REVISION_1, &raw,
                                                                nullptr))
        return {};
    const LocalMemory descriptor(raw);
    if (!PlaceFolder(path, descriptor.get())) return {};
    // From here on the folder is asked through its handle: whatever its name
    // leads to later, this is the folder checked.
    HeldFolder held = OpenOwnFolder(path, sid, list);
    // Read back through the handle: the list the folder has now, whatever
    // the system made of the one it was given.
    if (!held || !IsPrivateAccessList(held.AccessListText(), sid)) return {};
    return held;
}

bool EmptyFolderExcept(const std::wstring& folder, const std::wstring& keep) {
    const std::wstring base = WithoutTrailingSeparator(folder) + L"\\";
    WIN32_FIND_DATAW entry{};
    const FindHandle find(::FindFirstFileExW((base + L"*").c_str(), FindExInfoBasic, &entry,
                                             FindExSearchNameMatch, nullptr, 0));
    if (!find) return ::GetLastError() == ERROR_FILE_NOT_FOUND;
    bool emptied = true;
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        const bool kept =
            !keep.empty() && !(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            ::CompareStringOrdinal(name.c_str(), -1, keep.c_str(), -1, TRUE) == CSTR_EQUAL;
        if (!kept && !RemoveEntry(base + name, entry.dwFileAttributes)) emptied = false;
    } while (::FindNextFileW(find.get(), &entry));
    return emptied;
}

std::wstring AccessListText(const std::wstring& folder) {
    const std::wstring path = WithoutTrailingSeparator(folder);
    PSECURITY_DESCRIPTOR raw = nullptr;
    if (::GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                nullptr, nullptr, nullptr, &raw) != ERROR_SUCCESS)
        return {};
    const LocalMemory descriptor(raw);
    return AccessListText(descriptor.get());
}

}  // namespace vix::platform
