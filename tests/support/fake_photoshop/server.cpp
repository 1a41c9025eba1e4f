#include "server.h"

#include <cstdio>
#include <utility>

#include "common/registry_store.h"
#include "common/utf16.h"
#include "platform/handle.h"
#include "platform/registry.h"
#include "shared_text_file.h"

namespace vix::fake {

Server& Server::Get() {
    static Server server;
    return server;
}

namespace {

void AppendToFile(const std::wstring& path, const std::string& text) {
    // Opened for each line so that the tests can read the file at any time.
    platform::File file(::CreateFileW(path.c_str(), FILE_APPEND_DATA,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_ALWAYS, 0, nullptr));
    if (!file) return;
    DWORD written = 0;
    ::WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

void Server::LoadConfig() {
    platform::WinRegistry registry;
    std::wstring controlPath;
    if (auto key =
            registry.Open(RegistryRoot::CurrentUser, test::kFakePhotoshopKey, OpenMode::Existing)) {
        if (auto value = key->Read(test::kFakePhotoshopControlValue))
            controlPath = value->AsText().value_or(L"");
    }
    config_ = controlPath.empty() ? test::FakePhotoshopConfig{}
                                  : test::ParseConfig(test::ReadSharedTextFile(controlPath));
    ApplyWindows();
}

void Server::ApplyWindows() {
    ShowPhotoshopWindow(config_.photoshopWindow);
    ShowColorPicker(config_.colorPicker);
}

void Server::Record(std::string object, std::string method, std::string via, Fields fields) {
    if (config_.recordPath.empty()) return;
    test::RecordLine line{std::move(object), std::move(method), std::move(via), std::move(fields)};
    AppendToFile(config_.recordPath, test::FormatRecordLine(line));
}

std::string Server::NewId(char kind) {
    std::string id(1, kind);
    id += std::to_string(++ids_);
    return id;
}

void Server::AddRef() {
    ++refs_;
    ::CoAddRefServerProcess();
}

void Server::Release() {
    --refs_;
    ::CoReleaseServerProcess();
    QuitIfUnused();
}

void Server::QuitIfUnused() {
    if (refs_ > 0 || HasPhotoshopWindow() || quitting_) return;
    quitting_ = true;
    // Revoked at once, so that the next activation starts a new process
    // instead of reaching this one while it ends.
    if (classCookie_ != 0) ::CoRevokeClassObject(classCookie_);
    classCookie_ = 0;
    ::PostQuitMessage(0);
}

void Server::WindowClosed() { QuitIfUnused(); }

void Server::StartBusy() {
    busyLeft_ = config_.busyCalls;
    turnedAway_ = false;
}

bool Server::TurnAway() {
    turnedAway_ = busyLeft_ > 0;
    if (turnedAway_) --busyLeft_;
    return turnedAway_;
}

bool Server::TurnedAway() { return std::exchange(turnedAway_, false); }

ITypeLib* Server::TypeLibrary() {
    if (!typeLib_) {
        wchar_t path[MAX_PATH];
        ::GetModuleFileNameW(nullptr, path, MAX_PATH);
        if (FAILED(::LoadTypeLibEx(path, REGKIND_NONE, &typeLib_))) typeLib_ = nullptr;
    }
    return typeLib_;
}

const Server::Info* Server::FindInfo(REFIID iid) {
    for (const auto& info : infos_)
        if (IsEqualIID(info.iid, iid)) return &info;
    ITypeLib* lib = TypeLibrary();
    ITypeInfo* dispatch = nullptr;
    if (!lib || FAILED(lib->GetTypeInfoOfGuid(iid, &dispatch))) return nullptr;
    // A dual interface's dispatch view refers to its vtable view as -1.
    HREFTYPE ref = 0;
    ITypeInfo* vtable = nullptr;
    if (SUCCEEDED(dispatch->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref)))
        dispatch->GetRefTypeInfo(ref, &vtable);
    infos_.push_back({iid, dispatch, vtable});
    return &infos_.back();
}

ITypeInfo* Server::DispatchInfo(REFIID iid) {
    const Info* info = FindInfo(iid);
    return info ? info->dispatch : nullptr;
}

ITypeInfo* Server::VtableInfo(REFIID iid) {
    const Info* info = FindInfo(iid);
    return info ? info->vtable : nullptr;
}

std::string HresultText(HRESULT hr) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08lX", static_cast<unsigned long>(hr));
    return buffer;
}

}  // namespace vix::fake
