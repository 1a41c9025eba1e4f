// The main window's life: creation, first show, the window procedure and
// closing.

#include "app/main_window.h"

#include "app/application.h"
#include "settings/settings_store.h"
#include "app/startup_timeline.h"
#include "app/vendor.h"
#include "app/window_placement.h"
#include "app/window_order.h"
#include "hooks/vix32_api.h"
#include "platform/desktop.h"
#include "platform/file.h"
#include "platform/window.h"
#include "platform/gdi.h"
#include "tools/hook_report.h"
#include "platform/locale.h"
#include "ui/message_loop.h"

namespace vix {
namespace {

// Posted once the window has first painted: the tools' controls that were
// left out of the start are built. Posted messages come before input, so
// a click after the first paint finds them.
constexpr UINT kBuildTools = WM_APP + 0x21;

}  // namespace

void Tvix_main::Create(HWND owner) {
    CreateForm({.className = L"Tvix_main",
                .caption = L"",
                // The minimise style keeps the window menu's "Minimize"
                // available; the window has no frame to show the box in.
                .style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                .exStyle = WS_EX_TOPMOST,
                .client = {kClientWidth, 227},
                .owner = owner});
    FormCreate();
}

OwnedWindows Tvix_main::Windows() {
    OwnedWindows windows = {{ProgramWindow::About, &about_},
                            {ProgramWindow::Settings, &settingsDialog_}};
    for (Tool* tool : toolTable_.Tools())
        for (const OwnedWindow& w : tool->Windows())
            windows.push_back(w);
    return windows;
}

void Tvix_main::FormCreate() {
    Application::Instance().SetMainWindow(hwnd());
    Application::Instance().onHint = [this] { DisplayHint(); };
    decimalSeparator_ = platform::UserDecimalSeparator();
    startup::Mark("  window and locale");
    BuildFrame();
    startup::Mark("  frame controls");
    tools_.AddTo(toolTable_);
    DeclareSections();
    AddSystemMenuItems();
    // The layout the settings hold is applied below, with the tab.
    ReadSettings();
    startup::Mark("  settings");
    RegisterHotKeys();
    startup::Mark("  hot keys");
    // Sizes are screen pixels at any DPI: the process is DPI aware and
    // nothing is scaled, so there is nothing to undo here.
    SetText(kMainCaption);
    // Builds the controls of the pages shown at start; the others wait for
    // the first paint.
    ApplyStoredLayout();
    PlaceWindow();
    startup::Mark("  layout");
    TrayIconData.Init(hwnd(), ::LoadIconW(::GetModuleHandleW(nullptr), L"MAINICON"),
                      Application::Instance().Title());
    TrayIconData.Add();
    startup::Mark("  tray icon");
}

void Tvix_main::ApplyStoredLayout() {
    const bool remembered = settings.rememberLayout;
    for (const auto& section : sections_) {
        const PageSpec& spec = *section->spec;
        section->shown = !spec.Collapsible() || (remembered && spec.shownSetting
                                                     ? FlagSetting(settings, *spec.shownSetting)
                                                     : spec.shownByDefault);
    }
    // A stored tab outside -1..3 (edited by hand) opens the first tab.
    int tab = 0;
    if (remembered && settings.ActivePageIndex >= -1 && settings.ActivePageIndex < kTabCount)
        tab = settings.ActivePageIndex;
    ChangePage(tab);
}

void Tvix_main::PlaceWindow() {
    const Rect bounds = Bounds();
    startPosition_ = InitialWindowPosition({.rememberPosition = settings.rememberPosition,
                                            .lastX = settings.lastX,
                                            .lastY = settings.lastY,
                                            .window = {bounds.width(), bounds.height()},
                                            .virtualDesktop = platform::VirtualDesktop(),
                                            .primaryScreen = platform::PrimaryScreen()});
}

void Tvix_main::ShowMain() {
    EnsureContent();
    FormShow();
    // Shown without the system's redraw, then painted in one pass, before
    // the queue hands out anything posted meanwhile: the show's own redraw
    // takes a DC of each of the fifty children to erase it before the paint
    // takes another to draw it; here each child is erased and drawn through
    // the one DC of its paint, and the first frame is the whole window.
    ::SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                   SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW);
    ::RedrawWindow(hwnd(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Tvix_main::FormShow() {
    // Each tool hears of it; the Photoshop bridge looks its versions up once
    // the window has painted.
    for (Tool* tool : toolTable_.Tools())
        tool->Shown();
    Application::Instance().onFirstIdle = [this] { ::PostMessageW(hwnd(), kBuildTools, 0, 0); };
    Application::Instance().HideOwner();
    ::SetWindowPos(hwnd(), nullptr, startPosition_.x, startPosition_.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    startup::Mark("  placed");
    for (Tab& tab : tabs_)
        ShapeTab(tab);
    startup::Mark("  tabs shaped");
}

void Tvix_main::FormClose() {
    // Saved first, before anything that could be held up, and before the
    // tabs close, so the open tab and layout of this moment are what the
    // next start shows.
    SaveSettings();
    // The update check and download end without waiting for their server,
    // also with the update dialog open: the program ends whatever the
    // server does.
    for (Tool* tool : toolTable_.Tools())
        tool->Closing();
    TrayIconData.Remove();
    UnRegisterHotKeys();
    ChangePage(-1);
    Application::Instance().Terminate(0);
}

void Tvix_main::LoadSettings() {
    ReadSettings();
    ArrangeSections();
    DisplayHint();
}

void Tvix_main::ReadSettings() {
    const SettingsLoad load = LoadSettingsKey(registry_, settings, toolTable_.SettingRows().All());
    toolTable_.SettingsLoaded(settings, load.keyOpened);
}

void Tvix_main::SaveSettings() {
    settings.ActivePageIndex = ActivePageIndex;
    const Rect bounds = Bounds();
    settings.lastX = bounds.left;
    settings.lastY = bounds.top;
    SaveSettingsKey(registry_, settings, toolTable_.SettingRows().All());
}

void Tvix_main::DisplayHint() {
    if (!settings.showInformationBar) return;
    const std::wstring& hint = Application::Instance().Hint();
    pnlHint.SetCaption(hint.empty() ? ModePrompt : hint);
}

void Tvix_main::ChangeSettings(const std::function<void(Settings&)>& change) {
    change(settings);
    SaveSettings();
}

void Tvix_main::ShowError(const std::wstring& text) { Application::ShowError(text); }

void Tvix_main::SetModePrompt(std::wstring prompt) {
    ModePrompt = std::move(prompt);
    DisplayHint();
}

bool Tvix_main::ArmHook(HookArm arm) {
    SetMainHandle(hwnd());
    if (arm()) {
        toolTable_.HookArmed();
        return true;
    }
    const DWORD error = ::GetLastError();
    platform::ReportError(L"The mouse hook could not be installed. " +
                          platform::SystemErrorText(error));
    return false;
}

void Tvix_main::KeepOnTop() { vix::KeepOnTop(hwnd()); }

int Tvix_main::RunBehind(const std::function<int(HWND owner)>& dialog) {
    BehindMainWindow behind(hwnd());
    return dialog(hwnd());
}

void Tvix_main::StepAside(bool aside) {
    Application& app = Application::Instance();
    if (aside) {
        TrayIconData.Remove();
        app.BringToFront();
        app.Minimize();
        app.HideOwner();
        return;
    }
    app.Restore();
    app.HideOwner();
    ::SetActiveWindow(hwnd());
    TrayIconData.Add();
    KeepOnTop();
}

void Tvix_main::HideForCapture(bool hidden) {
    // Hiding a window that is not the active one activates no other, and
    // showing it again must not take the activation either.
    ::ShowWindow(hwnd(), hidden ? SW_HIDE : SW_SHOWNOACTIVATE);
    if (!hidden) KeepOnTop();
}

LRESULT Tvix_main::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The hook library's reports, read once here, go to the running tool.
    if (const auto report = ReadHookMessage(message, wParam, lParam)) {
        toolTable_.Route(*report);
        return 0;
    }
    switch (message) {
        case kBuildTools: toolTable_.BuildAll(); return 0;
        case WM_PARENTNOTIFY:
            // A press on one of its controls, before the message posted at
            // the first paint has built the others: the press may reach
            // them (a library colour goes to the picker).
            if (const UINT event = LOWORD(wParam);
                event == WM_LBUTTONDOWN || event == WM_RBUTTONDOWN || event == WM_MBUTTONDOWN)
                toolTable_.BuildAll();
            break;
        case kTrayCallback: TrayCallback(static_cast<UINT>(lParam)); break;
        case WM_SHOWWINDOW:
            // The owner is minimised (1) or restored (3): the tray menu
            // offers the other action.
            if (lParam == SW_PARENTCLOSING) trayMaximizeVisible_ = true;
            if (lParam == SW_PARENTOPENING) trayMaximizeVisible_ = false;
            break;
        case WM_SYSCOMMAND:
            if (SystemCommand(wParam)) return 0;
            break;
        case WM_CLOSE: FormClose(); return 0;
        case WM_HOTKEY:
            // Only the key counts, from the high word; not the identifier
            // and not the modifiers.
            toolTable_.DispatchHotKey(HIWORD(lParam), *this);
            return 0;
        case WM_SETTINGCHANGE:
            decimalSeparator_ = platform::UserDecimalSeparator();
            platform::RefreshDesktopMetrics();
            break;
        case WM_DISPLAYCHANGE: platform::RefreshDesktopMetrics(); break;
        case WM_ENDSESSION:
            if (wParam) SaveSettings();
            return 0;
        case WM_ERASEBKGND: {
            RECT r{};
            ::GetClientRect(hwnd(), &r);
            platform::FillSolid(reinterpret_cast<HDC>(wParam), r,
                                platform::GdiColor::System(COLOR_3DDKSHADOW));
            return 1;
        }
        default:
            if (message == TrayIcon::TaskbarCreatedMessage() && TrayIconData.Shown())
                TrayIconData.Add();
            break;
    }
    return ui::Form::HandleMessage(message, wParam, lParam);
}

}  // namespace vix
