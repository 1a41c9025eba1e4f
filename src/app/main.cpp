// The program entry: one copy per desktop, the hook library's version, the
// nine windows created once and hidden, the main window shown, the loop run.

#include <windows.h>

#include <memory>
#include <string>
#include <thread>

#include "app/application.h"
#include "app/command_line_entry.h"
#include "app/program_windows.h"
#include "app/startup_timeline.h"
#include "app/vendor.h"
#include "hooks/hook_protocol.h"
#include "hooks/vix32_api.h"
#include "platform/com_apartment.h"
#include "platform/desktop.h"
#include "platform/registry.h"
#include "platform/session_lock.h"
#include "platform/system_libraries.h"

namespace {

constexpr int kCorruptLibrary = 99;

// Before the application title is set, boxes carry the program's file name,
// as every program's do.
std::wstring ProgramName() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path);
    name = name.substr(name.find_last_of(L"\\/") + 1);
    return name.substr(0, name.find_last_of(L'.'));
}

// The pause after asking the hook library, spent loading on another thread
// the system libraries the start would otherwise load on first use, on its
// way to the first paint: the common controls (the Picker page's buttons
// and lists) and the shell (the notification-area icon). It lasts 50 ms,
// or until both are loaded.
void PauseLoadingLibraries() {
    std::thread load([] {
        using vix::platform::SystemLibrary;
        vix::platform::SystemFunction(SystemLibrary::CommonControls, "InitCommonControlsEx");
        vix::platform::SystemFunction(SystemLibrary::Shell, "Shell_NotifyIconW");
    });
    ::Sleep(50);
    load.join();
}

bool StartChecks(vix::platform::SessionLock& lock) {
    // The lock decides between copies started together; the window still
    // finds a copy that could not make the lock.
    const bool running = !lock.First() || ::FindWindowW(L"Tvix_main", nullptr) != nullptr;
    vix::startup::Mark("single-instance check");
    if (running) {
        lock.Release();
        ::MessageBoxW(nullptr, L"VIX is already running.", ProgramName().c_str(),
                      MB_OK | MB_ICONINFORMATION);
        return false;
    }
    const int version = GetDllVersion();
    vix::startup::Mark("hook library version");
    PauseLoadingLibraries();
    vix::startup::Mark("pause 50 ms");
    if (version == kCorruptLibrary) {
        ::MessageBoxW(nullptr, L"Corrupt file, please re-install VUZirivare", ProgramName().c_str(),
                      MB_OK);
        return false;
    }
    if (version != vix::hooks::kLibraryVersion) {
        ::MessageBoxW(nullptr, L"Wrong version of Vix32.dll, please re-install VUZirivare",
                      ProgramName().c_str(), MB_OK);
        ::Sleep(50);
        return false;
    }
    return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything loads a library.
    vix::platform::LoadLibrariesFromTheSystemFolderOnly();
    vix::startup::Mark("entry");
    vix::platform::DeclareDpiAwareness();
    vix::startup::Mark("DPI awareness");
    // A command is done before the single-instance check: it runs beside a
    // copy of the program and leaves it alone.
    if (const auto exitCode = vix::RunCommandLine()) return *exitCode;
    vix::platform::SessionLock lock(vix::kSessionLockName);
    if (!StartChecks(lock)) return 0;

    vix::Application& app = vix::Application::Instance();
    app.Initialize(vix::kApplicationTitle);
    vix::platform::WinRegistry registry;
    vix::startup::Mark("application window");
    // The shell's dialogs (the folder browser) and the links page's browser
    // need COM on this thread; Photoshop's automation has a thread of its
    // own. It outlives the windows, which let their objects go first.
    vix::platform::ComApartment apartment;

    auto windows = std::make_unique<vix::ProgramWindows>(registry);
    windows->Create(app.Owner());

    windows->ShowMain();
    vix::startup::Mark("main window shown");
    return app.Run();
}
