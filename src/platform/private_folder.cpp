#include "platform/private_folder.h"

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>
#include <shlobj.h>

#include <vector>

#include "platform/handle.h"
#include "platform/system_libraries.h"
#include "platform/task_memory.h"

namespace vix::platform {
namespace {

void FreeLocal(void* memory) noexcept { ::LocalFree(memory); }
using LocalMemory = UniqueHandle<NullTraits<void*, FreeLocal>>;

std::wstring WithoutTrailingSeparator(std::wstring path) {
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/'))
        path.pop_back();
    return path;
}

// Full control for the user and the system, to the folder and, inherited,
// to everything made in it; "P": nothing inherited from above.
std::wstring PrivateAccessList(const std::wstring& userSid) {
    return L"D:P(A;OICI;FA;;;" + userSid + L")(A;OICI;FA;;;SY)";
}

// Creates the folders above `path` that are missing, with the usual rights.
void MakeParents(const std::wstring& path) {
    for (std::size_t at = path.find(L'\\', 3); at != std::wstring::npos;
         at = path.find(L'\\', at + 1))
        ::CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
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

std::wstring CurrentUserSid() {
    HANDLE raw = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &raw)) return {};
    const KernelHandle token(raw);
    DWORD size = 0;
    ::GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    if (size == 0) return {};
    std::vector<std::uint8_t> buffer(size);
    if (!::GetTokenInformation(token.get(), TokenUser, buffer.data(), size, &size)) return {};
    wchar_t* text = nullptr;
    if (!::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text))
        return {};
    const LocalMemory owned(text);
    return text;
}

bool MakePrivateFolder(const std::wstring& folder) {
    const std::wstring path = WithoutTrailingSeparator(folder);
    const std::wstring sid = CurrentUserSid();
    if (sid.empty() || path.size() < 4) return false;
    void* raw = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(PrivateAccessList(sid).c_str(),
                                                                SDDL_REVISION_1, &raw, nullptr))
        return false;
    const LocalMemory descriptor(raw);
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    const bool folderThere = attributes != INVALID_FILE_ATTRIBUTES &&
                             (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
                             !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    if (attributes != INVALID_FILE_ATTRIBUTES && !folderThere && !RemoveEntry(path, attributes))
        return false;
    if (!folderThere) {
        MakeParents(path);
        SECURITY_ATTRIBUTES security{sizeof(security), descriptor.get(), FALSE};
        return ::CreateDirectoryW(path.c_str(), &security) != FALSE;
    }
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL list = nullptr;
    if (!::GetSecurityDescriptorDacl(descriptor.get(), &present, &list, &defaulted) || !present)
        return false;
    std::wstring name = path;
    return ::SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT,
                                   DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                   nullptr, nullptr, list, nullptr) == ERROR_SUCCESS;
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
    wchar_t* text = nullptr;
    if (!::ConvertSecurityDescriptorToStringSecurityDescriptorW(
            raw, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr))
        return {};
    const LocalMemory owned(text);
    return text;
}

}  // namespace vix::platform
