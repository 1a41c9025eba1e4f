// The main window's title, caption buttons, menus and tray icon.

#include "app/main_window.h"

#include <shellapi.h>

#include "app/application.h"
#include "app/help_file.h"
#include "app/vendor.h"
#include "platform/system_libraries.h"
#include "update/links_panel.h"
#include "app/window_order.h"
#include "ui/message_loop.h"

namespace vix {
namespace {

enum SystemMenuId : UINT { kSysAbout = 100, kSysSettings = 101, kSysHelp = 102 };
enum TrayMenuId : UINT { kTrayMaximize = 1, kTrayMinimize, kTrayExit };
enum HelpMenuId : UINT { kHelpHelp = 1, kHelpAbout };

// Pops `menu` up at `at` and returns the chosen item's id, 0 for none.
UINT TrackMenu(HWND owner, HMENU menu, POINT at) {
    // A menu from a background window needs its owner in the foreground to
    // close when the user clicks elsewhere.
    ::SetForegroundWindow(owner);
    const UINT id = static_cast<UINT>(::TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
    ::PostMessageW(owner, WM_NULL, 0, 0);
    return id;
}

}  // namespace

void Tvix_main::AddSystemMenuItems() {
    HMENU menu = ::GetSystemMenu(hwnd(), FALSE);
    const std::pair<UINT, const wchar_t*> items[] = {
        {kSysSettings, L"&Settings..."}, {kSysHelp, L"&Help..."}, {kSysAbout, L"&About..."}};
    for (const auto& [id, text] : items) {
        // Before the first item with command 0 (the separator); a menu
        // without one gets the item at its end.
        if (!::InsertMenuW(menu, 0, MF_BYCOMMAND | MF_STRING, id, text))
            ::AppendMenuW(menu, MF_STRING, id, text);
    }
}

bool Tvix_main::SystemCommand(WPARAM command) {
    switch (command) {
        case kSysAbout:
            RunBehind([this](HWND owner) { return about_.ShowAbout(owner); });
            return false;
        case kSysSettings: ShowSettingsDialog(); return false;
        case kSysHelp: OpenHelpFile(); return false;
    }
    if ((command & 0xFFF0) == SC_MINIMIZE) {
        TIMinimizeClick();
        return true;
    }
    return false;
}

void Tvix_main::TrayCallback(UINT mouseMessage) {
    Application& app = Application::Instance();
    switch (mouseMessage) {
        case WM_LBUTTONDOWN:
            app.BringToFront();
            KeepOnTop();
            break;
        case WM_LBUTTONDBLCLK:
            app.Restore();
            app.HideOwner();
            app.BringToFront();
            KeepOnTop();
            break;
        case WM_RBUTTONUP:
            app.BringToFront();
            KeepOnTop();
            PopupTrayMenu();
            break;
    }
}

void Tvix_main::PopupTrayMenu() {
    platform::Menu menu(::CreatePopupMenu());
    // Exactly one of "Maximize" and "Minimize" is offered.
    if (trayMaximizeVisible_)
        ::AppendMenuW(menu.get(), MF_STRING, kTrayMaximize, L"Maximize");
    else
        ::AppendMenuW(menu.get(), MF_STRING, kTrayMinimize, L"Minimize");
    ::AppendMenuW(menu.get(), MF_STRING, kTrayExit, L"Exit");
    POINT at{};
    ::GetCursorPos(&at);
    switch (TrackMenu(hwnd(), menu.get(), at)) {
        case kTrayMaximize: TIMaximizeClick(); break;
        case kTrayMinimize: TIMinimizeClick(); break;
        case kTrayExit: TIExitClick(); break;
    }
}

void Tvix_main::TIMinimizeClick() {
    Application& app = Application::Instance();
    app.Minimize();
    app.HideOwner();
}

void Tvix_main::TIMaximizeClick() {
    Application& app = Application::Instance();
    app.Restore();
    KeepOnTop();
    app.HideOwner();
}

void Tvix_main::TIExitClick() { ::SendMessageW(hwnd(), WM_CLOSE, 0, 0); }

void Tvix_main::DragByTitle() {
    const Rect before = Bounds();
    ::ReleaseCapture();
    // Moves the window with the mouse until the button is released.
    ::SendMessageW(hwnd(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    // A press and release without moving is a click.
    const Rect after = Bounds();
    POINT pt{};
    ::GetCursorPos(&pt);
    RECT title{};
    ::GetWindowRect(imgTitle.hwnd(), &title);
    if (before == after && ::PtInRect(&title, pt)) OpenVendorSite();
}

void Tvix_main::OpenVendorSite() { OpenWebLink(hwnd(), kVendorSite); }

void Tvix_main::btnSettingsClick() {
    ChangePage(ActivePageIndex);
    ShowSettingsDialog();
}

void Tvix_main::ShowSettingsDialog() {
    // The dialog empties the library and loads settings the tools show.
    toolTable_.BuildAll();
    RunBehind([this](HWND owner) {
        ui::ProcessPendingMessages();
        settingsDialog_.CenterOn(owner);
        const int result = settingsDialog_.ShowModal();
        // The dialog goes back on top first, then the main window above it.
        vix::KeepOnTop(settingsDialog_.hwnd());
        return result;
    });
}

void Tvix_main::btnHelpClick() {
    platform::Menu menu(::CreatePopupMenu());
    ::AppendMenuW(menu.get(), MF_STRING, kHelpHelp, L"&Help");
    ::AppendMenuW(menu.get(), MF_STRING, kHelpAbout, L"&About");
    const Rect b = Bounds();
    switch (TrackMenu(hwnd(), menu.get(), {b.left + b.width() - 24, b.top + 40})) {
        case kHelpHelp: Help1Click(); break;
        case kHelpAbout: About1Click(); break;
    }
}

void Tvix_main::Help1Click() { OpenHelpFile(); }

void Tvix_main::About1Click() {
    about_.CenterOnScreenFromNowOn();
    RunBehind([this](HWND owner) { return about_.ShowAbout(owner); });
}

void Tvix_main::OpenHelpFile() { ShowHelp(hwnd()); }

}  // namespace vix
