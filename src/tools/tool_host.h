#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "settings/settings.h"
#include "tools/active_mode.h"
#include "tools/pages.h"

// What the tools and the services of the program get from the main window,
// which owns the shared state. The window offers services rather than its
// handle: a tool that needs the window on top, a dialog behind it or a hook
// armed for it asks for that here. Through MainTabs it opens tabs and
// expands pages.

namespace vix {

// One of the hook library's Set...Hook exports.
using HookArm = BOOL(WINAPI*)();

class ToolHost : public MainTabs {
  public:
    // The running tool (ActiveMode): a tool sets its own mode when it starts
    // and None when it stops.
    virtual ActiveMode CurrentMode() const = 0;
    virtual void SetCurrentMode(ActiveMode mode) = 0;
    // What the information bar shows while the pointer is over nothing with
    // a hint (ModePrompt); empty when the tool stops.
    virtual void SetModePrompt(std::wstring prompt) = 0;
    virtual const Settings& CurrentSettings() const = 0;
    // Changes the settings with `change`, then saves them.
    virtual void ChangeSettings(const std::function<void(Settings&)>& change) = 0;
    // The user's decimal separator.
    virtual wchar_t DecimalSeparator() const = 0;

    // Opens `tab` for a tool that starts on it: whatever tool runs is
    // stopped, and the tab changes only when another one is open.
    virtual void ShowTab(int tab) = 0;

    // Makes the main window the receiver of the hook library's reports and
    // arms a hook (SetMainHandle, then `arm`) for the running tool, which
    // calls it once it has set its mode: the reports reach that tool while
    // it runs. False, once the user has been told why, when the system
    // refused the hook.
    virtual bool ArmHook(HookArm arm) = 0;
    // Puts the main window back into the topmost layer without moving,
    // sizing or activating it.
    virtual void KeepOnTop() = 0;
    // Runs a dialog or message box with the main window at the bottom of the
    // window order; afterwards the window is topmost again, on every way
    // out, also when the dialog raises an error. `owner` is the window the
    // dialog belongs to. Returns what `dialog` returns.
    virtual int RunBehind(const std::function<int(HWND owner)>& dialog) = 0;
    // The application's general error box.
    virtual void ShowError(const std::wstring& text) = 0;

    // Takes the program out of the way of the screen (`aside`): the main
    // window, its taskbar button and its notification-area icon go, as for
    // a tool that waits for a click anywhere on the screen; false brings
    // them back, with the window active and on top.
    virtual void StepAside(bool aside) = 0;
    // Takes the main window off the screen (`hidden`) for a capture that
    // should not show it, activating no other window: a menu or tool tip
    // the user opened in another program stays open. False shows it again,
    // on top and not activated. Where there is no window to hide, as good as
    // stepping aside.
    virtual void HideForCapture(bool hidden) { StepAside(hidden); }
};

}  // namespace vix
