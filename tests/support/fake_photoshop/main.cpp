// A stand-in for Photoshop's automation server, for the tests: started by
// COM through its registration, it answers as the tests configure it and
// records every call it receives.
//
//   fake_photoshop.exe /RegServer     register under HKEY_CLASSES_ROOT
//   fake_photoshop.exe /UnregServer   remove that registration
//   anything else                     run as the server (COM adds -Embedding)

#include <windows.h>
#include <objbase.h>

#include <string>

#include "common/utf16.h"
#include "objects.h"
#include "server_registration.h"

namespace vix::fake {
namespace {

// Rejects the configured number of incoming calls as busy, as a Photoshop
// with a modal dialog open does. The system's own calls (reference
// counting, interface queries) are let through. Wine 8 asks this filter but
// then handles the call anyway, so the objects also answer
// RPC_E_SERVERCALL_RETRYLATER themselves to a call turned away (dual_object.h): either
// way the client sees a call rejected as busy.
class BusyFilter final : public IMessageFilter {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IMessageFilter))
            return E_NOINTERFACE;
        *out = static_cast<IMessageFilter*>(this);
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO info) override {
        if (!info || !Ours(info->iid) || !Server::Get().TurnAway()) return SERVERCALL_ISHANDLED;
        Server::Get().Record("Filter", "RetryLater", "-",
                             {{"method", std::to_string(info->wMethod)}});
        return SERVERCALL_RETRYLATER;
    }
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override {
        return static_cast<DWORD>(-1);
    }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override {
        return PENDINGMSG_WAITDEFPROCESS;
    }

  private:
    static bool Ours(REFIID iid) {
        return IsEqualIID(iid, __uuidof(IPhotoshopApplication)) ||
               IsEqualIID(iid, __uuidof(IActionDescriptor)) ||
               IsEqualIID(iid, __uuidof(IActionReference)) ||
               IsEqualIID(iid, __uuidof(IActionControl)) || IsEqualIID(iid, IID_IDispatch);
    }
};

bool HasSwitch(const wchar_t* commandLine, const wchar_t* name) {
    const std::wstring line(commandLine);
    for (const wchar_t* prefix : {L"/", L"-"}) {
        const std::wstring wanted = std::wstring(prefix) + name;
        const auto at = line.find(wanted);
        if (at != std::wstring::npos) return true;
    }
    return false;
}

int Serve(const wchar_t* commandLine) {
    auto& server = Server::Get();
    server.LoadConfig();
    server.Record(
        "Server", "Start", "-",
        {{"pid", std::to_string(::GetCurrentProcessId())}, {"args", ToUtf8(commandLine)}});

    BusyFilter filter;
    IMessageFilter* previous = nullptr;
    ::CoRegisterMessageFilter(&filter, &previous);

    // A Photoshop slow to start keeps its activation waiting meanwhile.
    if (const DWORD delay = server.Config().classDelayMs) ::Sleep(delay);
    static ClassFactory factory;
    DWORD cookie = 0;
    const HRESULT hr = ::CoRegisterClassObject(__uuidof(Application), &factory, CLSCTX_LOCAL_SERVER,
                                               REGCLS_MULTIPLEUSE, &cookie);
    if (FAILED(hr)) {
        server.Record("Server", "Exit", "-", {{"result", HresultText(hr)}});
        return 1;
    }
    server.SetClassCookie(cookie);

    // A server started by hand with nothing to serve does not linger.
    ::SetTimer(nullptr, 0, 60000, nullptr);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr) {
            server.QuitIfUnused();
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    server.QuitIfUnused();
    ::CoRegisterMessageFilter(previous, nullptr);
    server.Record("Server", "Exit", "-", {{"pid", std::to_string(::GetCurrentProcessId())}});
    return 0;
}

}  // namespace
}  // namespace vix::fake

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    int result = 0;
    if (vix::fake::HasSwitch(commandLine, L"RegServer"))
        result = SUCCEEDED(vix::fake::RegisterServer()) ? 0 : 1;
    else if (vix::fake::HasSwitch(commandLine, L"UnregServer"))
        result = SUCCEEDED(vix::fake::UnregisterServer()) ? 0 : 1;
    else {
        result = vix::fake::Serve(commandLine);
        // Wine 8's CoUninitialize now and then never returns in a server that
        // refused its creation (about one run in sixty, seen after the
        // server's Exit record), and the test waiting for the server to end
        // fails. Everything has been recorded: the server ends at once.
        ::TerminateProcess(::GetCurrentProcess(), static_cast<UINT>(result));
    }
    ::CoUninitialize();
    return result;
}
