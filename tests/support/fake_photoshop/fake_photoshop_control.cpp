#include "fake_photoshop_control.h"

#include "common/utf16.h"
#include "platform/file.h"
#include "platform/handle.h"
#include "platform/registry.h"
#include "shared_text_file.h"

namespace vix::test {

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

FakePhotoshop::FakePhotoshop() {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    static int count = 0;
    folder_ = std::wstring(temp) + L"vix-fake-photoshop-" +
              std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++count) + L"\\";
    ::CreateDirectoryW(folder_.c_str(), nullptr);
    recordPath_ = folder_ + L"record.txt";
}

FakePhotoshop::~FakePhotoshop() {
    ::DeleteFileW(recordPath_.c_str());
    ::DeleteFileW((folder_ + L"control.txt").c_str());
    ::RemoveDirectoryW(folder_.c_str());
}

bool FakePhotoshop::Register() {
    std::wstring command = L"\"" + ProgramFolder() + L"fake_photoshop.exe\" /RegServer";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info))
        return false;
    platform::KernelHandle process(info.hProcess);
    platform::KernelHandle thread(info.hThread);
    if (::WaitForSingleObject(process.get(), 30000) != WAIT_OBJECT_0) return false;
    DWORD code = 1;
    ::GetExitCodeProcess(process.get(), &code);
    return code == 0;
}

void FakePhotoshop::Configure(FakePhotoshopConfig config) {
    config.recordPath = recordPath_;
    ::DeleteFileW(recordPath_.c_str());
    const std::string text = ConfigText(config);
    const std::wstring controlPath = folder_ + L"control.txt";
    platform::WriteWholeFile(
        controlPath, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    platform::WinRegistry registry;
    if (auto key = registry.Open(RegistryRoot::CurrentUser, kFakePhotoshopKey, OpenMode::Create))
        key->Write(kFakePhotoshopControlValue, RegistryValue::Text(controlPath));
}

std::vector<RecordLine> FakePhotoshop::Calls() const {
    return ParseRecord(ReadSharedTextFile(recordPath_));
}

std::vector<RecordLine> FakePhotoshop::Calls(const std::string& object,
                                             const std::string& method) const {
    std::vector<RecordLine> found;
    for (auto& line : Calls())
        if (line.object == object && line.method == method) found.push_back(std::move(line));
    return found;
}

bool FakePhotoshop::WaitForExit(DWORD timeoutMs) {
    if (HWND window = ::FindWindowW(L"Photoshop", nullptr)) ::PostMessageW(window, WM_CLOSE, 0, 0);
    for (const auto& start : Calls("Server", "Start")) {
        const DWORD pid = std::stoul(start["pid"]);
        platform::KernelHandle process(::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid));
        if (process && ::WaitForSingleObject(process.get(), timeoutMs) != WAIT_OBJECT_0) {
            // A server still held (by a client that was killed, whose
            // references are never run down here) would answer the next
            // test's activation with this test's record: end it.
            ::TerminateProcess(process.get(), 1);
            ::WaitForSingleObject(process.get(), 5000);
            return false;
        }
    }
    return true;
}

}  // namespace vix::test
