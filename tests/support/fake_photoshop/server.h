#pragma once

#include <windows.h>
#include <oaidl.h>
#include <oleauto.h>

#include <string>
#include <utility>
#include <vector>

#include "fake_photoshop_protocol.h"

// The state of the fake Photoshop process: its configuration, its record,
// the live objects that keep it running and its type library.

namespace vix::fake {

using Fields = std::vector<std::pair<std::string, std::string>>;

class Server {
  public:
    static Server& Get();

    // Reads the control file named in the registry (nothing configured when
    // there is none) and shows or removes the windows it asks for.
    void LoadConfig();
    const test::FakePhotoshopConfig& Config() const { return config_; }

    void Record(std::string object, std::string method, std::string via, Fields fields = {});

    // "D3": the kind's letter and a number that is never reused in a run.
    std::string NewId(char kind);

    // Live objects and locks keep the process running, as does an open
    // "Photoshop" window; when all are gone the process ends.
    void AddRef();
    void Release();
    void QuitIfUnused();

    // The configured number of calls from now on are rejected as busy: a
    // count, not a time, so that a test sees the same calls turned away on
    // any machine. The message filter decides for each call as it arrives
    // (TurnAway); the call's object then refuses it if it reaches it at all
    // (TurnedAway), so that a call is counted once either way.
    void StartBusy();
    bool TurnAway();
    bool TurnedAway();

    // How the call being handled arrived.
    void EnterDispatch() { ++dispatchDepth_; }
    void LeaveDispatch() { --dispatchDepth_; }
    const char* Via() const { return dispatchDepth_ > 0 ? "dispatch" : "vtable"; }

    // The interface's type information from the program's own type library:
    // the dispatch view (for clients) or the vtable view (for Invoke).
    // Borrowed: the server keeps them for its whole run.
    ITypeInfo* DispatchInfo(REFIID iid);
    ITypeInfo* VtableInfo(REFIID iid);

    void SetClassCookie(DWORD cookie) { classCookie_ = cookie; }
    // The Photoshop window closed: end if nothing else holds the process.
    void WindowClosed();

  private:
    Server() = default;
    void ApplyWindows();
    ITypeLib* TypeLibrary();

    test::FakePhotoshopConfig config_;
    long refs_ = 0;
    std::uint32_t ids_ = 0;
    std::uint32_t busyLeft_ = 0;
    bool turnedAway_ = false;
    int dispatchDepth_ = 0;
    DWORD classCookie_ = 0;
    bool quitting_ = false;
    struct Info {
        IID iid;
        ITypeInfo* dispatch;
        ITypeInfo* vtable;
    };
    const Info* FindInfo(REFIID iid);

    // Kept for the whole run.
    ITypeLib* typeLib_ = nullptr;
    std::vector<Info> infos_;
};

// The windows a running Photoshop shows (server_windows.cpp).
bool HasPhotoshopWindow();
void ShowPhotoshopWindow(bool show);
void ShowColorPicker(bool show);

// Turns an HRESULT into the text recorded for it.
std::string HresultText(HRESULT hr);

}  // namespace vix::fake
