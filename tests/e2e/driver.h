#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "platform/handle.h"

// Drives the real vix.exe as a user would: starts it, finds its windows by
// class, caption or hint, moves the pointer and clicks through the system's
// input path, reads the registry and the screen.

namespace vix::e2e {

// The folder of the test program, where vix.exe and Vix32.dll are built.
std::wstring BinDir();
// Where the screenshots of a run go (build/<preset>/e2e-screenshots).
std::wstring ScreenshotDir();

// Whether `condition` came true within the bound. The default bound is for
// a loaded machine (the test shards side by side beside a compiler): the
// wait ends as soon as the state is there, so only a failure costs it.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// Waits until the thread of `window` has handled every input event and
// message queued for it before the call. A thread paints only once its queue
// holds no input or posted message: a repaint is asked for, and awaited.
// Hidden or closed windows handle nothing more: no wait.
bool WaitInputHandled(HWND window, DWORD timeoutMs = 5000);
// The same for the top-level window under the screen point (which receives
// the mouse input there), and for the foreground window (the keys).
bool WaitInputHandledAt(POINT screen, DWORD timeoutMs = 5000);
bool WaitKeysHandled(DWORD timeoutMs = 5000);
// Waits until `window` and every visible window inside it are painted.
bool WaitPainted(HWND window, DWORD timeoutMs = 5000);
// Waits until every window on the desktop, the desktop's own too, has
// painted what it was asked to. Without a compositor a window that moved
// leaves its old pixels on the screen until the windows below repaint them,
// which a loaded machine does late: a capture taken meanwhile would hold
// them.
void SettleScreen();
// Waits until the keyboard focus of `dialog`'s thread lies inside it, so
// that typed keys reach its fields.
bool WaitFocusInside(HWND dialog, DWORD timeoutMs = 3000);

class VixProcess {
  public:
    // Started in `folder`, the program's own folder when none is given.
    explicit VixProcess(std::wstring exe = BinDir() + L"\\vix.exe", std::wstring folder = {});
    ~VixProcess();
    VixProcess(const VixProcess&) = delete;
    VixProcess& operator=(const VixProcess&) = delete;

    bool Start();
    DWORD Pid() const { return pid_; }
    // The visible main window of this process, or null after the timeout.
    HWND WaitForMainWindow(DWORD timeoutMs = 15000) {
        return WaitForWindow(L"Tvix_main", timeoutMs);
    }
    HWND WaitForWindow(const wchar_t* className, DWORD timeoutMs = 15000);
    // The exit code once the process has ended within the timeout.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = 10000);
    bool Running() const;

  private:
    std::wstring exe_;
    std::wstring folder_;
    DWORD pid_ = 0;
    platform::KernelHandle process_;
};

// Top-level windows of a process with the given class (any class if null).
std::vector<HWND> TopLevelWindows(DWORD pid, const wchar_t* className = nullptr);
// A message box (#32770) shown by the process, or null after the timeout.
HWND WaitForMessageBox(DWORD pid, DWORD timeoutMs = 10000);
// The message text of a message box.
std::wstring MessageBoxText(HWND box);
void PressOk(HWND box);

std::wstring TextOf(HWND window);
// The first descendant whose window text equals `text`.
HWND FindByText(HWND root, const std::wstring& text);
HWND FindById(HWND root, int id);
RECT ScreenRect(HWND window);
SIZE ClientSize(HWND window);

// Real input: the pointer is moved and the buttons pressed for the whole
// desktop, so whatever lies under the pointer gets them.
void MoveTo(POINT screen);
void LeftClickAt(POINT screen);
void LeftDoubleClickAt(POINT screen);
void RightClickAt(POINT screen);
void LeftDrag(POINT from, POINT to);
POINT Center(HWND window);
// A point inside a tab's caption that lies left of its slanted edge.
POINT TabPoint(HWND tabCaption);

// The program's icon in the taskbar's notification area (the rightmost one).
POINT TrayIconPoint();
// The open pop-up menu's window, or null when no menu opens in time. (Its
// items cannot be read from another process; tests choose them by place.)
HWND WaitForPopupMenu(DWORD timeoutMs = 5000);
// Chooses item `index` of the open pop-up menu with the keyboard.
void ChooseMenuItem(int index);
void PressKey(WORD key);
// Presses `key` while holding the modifier keys.
void PressKeyWith(WORD key, std::initializer_list<WORD> modifiers);
// Clicks into an edit field, selects its text and types `text` over it.
void ReplaceFieldText(HWND field, const std::wstring& text);
// Types text as keystrokes of its characters.
void TypeText(const std::wstring& text);
// Opens a drop-down list with a click and picks item `index` with the keys.
void ChooseListItem(HWND list, int index);
// Moves the pointer so that screen-wide mouse hooks, and the window under the
// point, see the move for certain.
void PointAt(POINT screen);

std::optional<std::wstring> ClipboardText();
// Empties the clipboard, so that what a test finds there came from it.
void ClearClipboard();

// The program's registry keys, removed for a first start.
void ResetRegistry();
std::vector<std::wstring> SettingsValueNames();
std::optional<DWORD> SettingsDword(const wchar_t* name);
void SetSettingsDword(const wchar_t* name, DWORD value);
std::optional<std::vector<BYTE>> SettingsBinary(const wchar_t* name);
std::optional<std::vector<BYTE>> RegistryBinary(const wchar_t* key, const wchar_t* name);
void SetRegistryBinary(const wchar_t* key, const wchar_t* name, const std::vector<BYTE>& data);

// Saves the screen rectangle of `window` as a PNG under ScreenshotDir().
bool SaveWindowShot(HWND window, const std::wstring& name);
// The colour of a screen pixel, as 0x00RRGGBB.
DWORD ScreenPixel(POINT screen);

}  // namespace vix::e2e
