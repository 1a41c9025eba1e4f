#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/window.h"

// The application object: its title, the hidden window that owns every form
// (the window that would carry the taskbar button), minimising and restoring
// the whole program, the hint of the control under the pointer, the message
// loop and the general error box.

namespace vix {

class Application final : public platform::Window {
  public:
    static Application& Instance();

    void Initialize(std::wstring_view title);
    const std::wstring& Title() const { return title_; }
    HWND Owner() const { return hwnd(); }
    // The window the hook library reports to.
    void SetMainWindow(HWND main);
    HWND MainWindow() const { return main_; }

    // Minimising hides every form with the owner; restoring shows them again.
    void Minimize();
    void Restore();
    // Activates the program's last active form.
    void BringToFront();
    void HideOwner();

    // The hint of the control under the pointer (empty when none), and the
    // handler told when it changes.
    const std::wstring& Hint() const { return hint_; }
    std::function<void()> onHint;
    // Run once, the next time the message queue runs dry: set as the main
    // window is shown, it runs once the window has painted.
    std::function<void()> onFirstIdle;

    int Run();
    void Terminate(int exitCode);

    // The general error box: an error that ended an event handler.
    static void ShowError(const std::wstring& message);

  private:
    Application() = default;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool Idle();

    std::wstring title_;
    std::wstring hint_;
    HWND main_ = nullptr;
};

}  // namespace vix
