// The program entry: one copy per desktop, the hook library's version, the
// nine windows created once and hidden, the main window shown, the loop run.

#include <windows.h>

#include <memory>
#include <string>

#include "app/about_box.h"
#include "app/application.h"
#include "app/main_window.h"
#include "app/startup_timeline.h"
#include "app/vendor.h"
#include "hooks/hook_protocol.h"
#include "hooks/vix32_api.h"
#include "platform/desktop.h"
#include "platform/registry.h"
#include "ruler/ruler_window.h"
#include "settings_dialog/settings_dialog.h"
#include "ui/form.h"

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

// Windows of the program that come with their own tools; until then they
// exist, hidden, with their class and caption.
struct PlainForm {
    const wchar_t* className;
    const wchar_t* caption;
    DWORD style;
};

constexpr DWORD kDialog = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kOverlay = WS_POPUP;

bool StartChecks() {
    const bool running = ::FindWindowW(L"Tvix_main", nullptr) != nullptr;
    vix::startup::Mark("single-instance check");
    if (running) {
        ::MessageBoxW(nullptr, L"VIX is already running.", ProgramName().c_str(),
                      MB_OK | MB_ICONINFORMATION);
        return false;
    }
    const int version = GetDllVersion();
    vix::startup::Mark("hook library version");
    ::Sleep(50);
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
    vix::startup::Mark("entry");
    vix::platform::DeclareDpiAwareness();
    vix::startup::Mark("DPI awareness");
    if (!StartChecks()) return 0;

    vix::Application& app = vix::Application::Instance();
    app.Initialize(vix::kApplicationTitle);
    vix::platform::WinRegistry registry;
    vix::startup::Mark("application window");

    auto main = std::make_unique<vix::Tvix_main>(registry);
    main->Create(app.Owner());
    vix::startup::Mark("main window");

    // The other eight windows, in their order of creation.
    const auto plain = [&app](const PlainForm& f) {
        auto form = std::make_unique<vix::ui::Form>();
        form->CreateForm({f.className, f.caption, f.style, WS_EX_TOPMOST, {300, 200}, app.Owner()});
        return form;
    };
    const auto psVersion = plain({L"Tvix_psVersion", L"Information", kDialog});
    const auto update = plain({L"Tvix_update", L"Update VUZirivare", kDialog});
    const auto preview = plain({L"Tvix_imgpreview", L"Image preview", WS_OVERLAPPEDWINDOW});
    auto about = std::make_unique<vix::TAbout>();
    about->Create(app.Owner());
    auto settings = std::make_unique<vix::TSettings>(registry, main->DialogServices());
    settings->Create(app.Owner());
    const auto hottracker = plain({L"THottracker", L"", kOverlay});
    const auto rectangle = plain({L"Trectan", L"", kOverlay});
    auto ruler = std::make_unique<vix::Trulerapp>();
    ruler->Create(app.Owner());
    main->SetDialogs(about.get(), settings.get());
    main->SetRulerWindow(ruler.get());
    vix::startup::Mark("other eight windows");

    main->ShowMain();
    vix::startup::Mark("main window shown");
    return app.Run();
}
