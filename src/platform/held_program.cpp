#include "platform/held_program.h"

#include "platform/handle.h"

namespace vix::platform {
namespace {

// The file the system mapped as the process's image. The suspended process
// has run nothing yet, so its image name is still the one it was started
// from; the file found by that name is opened for its attributes only, with
// every sharing allowed, which works beside our own handle and the system's
// mapping.
File ImageFileOf(HANDLE process) {
    std::wstring name(32768, L'\0');
    DWORD size = static_cast<DWORD>(name.size());
    if (!::QueryFullProcessImageNameW(process, 0, name.data(), &size)) return File();
    name.resize(size);
    return File(::CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

bool SameFile(HANDLE a, HANDLE b) {
    BY_HANDLE_FILE_INFORMATION first{}, second{};
    if (!::GetFileInformationByHandle(a, &first) || !::GetFileInformationByHandle(b, &second))
        return false;
    return first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
}

bool StartHeldProgram(const std::wstring& path, HANDLE held, const std::wstring& folder) {
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                          CREATE_SUSPENDED, nullptr, folder.c_str(), &startup, &started))
        return false;
    const KernelHandle process(started.hProcess);
    const KernelHandle thread(started.hThread);
    const File image = ImageFileOf(process.get());
    if (image && SameFile(image.get(), held) && ::ResumeThread(thread.get()) != DWORD(-1))
        return true;
    ::TerminateProcess(process.get(), ERROR_FILE_INVALID);
    return false;
}

std::vector<std::uint8_t> VersionResourceBytes(const std::wstring& path) {
    const Module image(::LoadLibraryExW(path.c_str(), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!image) return {};
    HRSRC found = ::FindResourceW(image.get(), MAKEINTRESOURCEW(1), RT_VERSION);
    if (!found) return {};
    HGLOBAL loaded = ::LoadResource(image.get(), found);
    const auto* bytes = static_cast<const std::uint8_t*>(loaded ? ::LockResource(loaded) : nullptr);
    if (!bytes) return {};
    return {bytes, bytes + ::SizeofResource(image.get(), found)};
}

}  // namespace vix::platform
