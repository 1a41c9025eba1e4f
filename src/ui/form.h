#pragma once

#include <windows.h>

#include <string_view>

#include "platform/handle.h"
#include "platform/window.h"

// A top-level window of the program. Forms are created once at start and
// only shown and hidden afterwards: closing a form hides it.

namespace vix::ui {

struct FormSpec {
    const wchar_t* className = nullptr;
    std::wstring_view caption;
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    DWORD exStyle = 0;
    Size client;
    HWND owner = nullptr;
    bool dialogKeys = false;  // Tab, Enter and Esc navigate as in a dialog
};

class Form : public platform::Window {
  public:
    void CreateForm(const FormSpec& spec);
    // One of the program's dialogs: a small captioned tool window, always
    // on top, with the dialog keys.
    void CreateDialogForm(const wchar_t* className, std::wstring_view caption, Size client,
                          HWND owner);

    void Show();
    void Hide();
    // Shows the form and waits until it is closed; the program's other
    // windows are disabled meanwhile. Returns the result given to EndModal
    // (IDCANCEL when the form was closed otherwise).
    int ShowModal();
    void EndModal(int result);

    // Centred on `window`, kept inside the work area of its monitor.
    void CenterOn(HWND window);
    void CenterOnScreen();
    void SetClientSize(Size client);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Runs each time the form is shown, before it becomes visible.
    virtual void FormShow() {}
    virtual void FormHide() {}
    // Makes the form's controls. It runs once, before the form first
    // becomes visible however it is shown, or earlier when a method that
    // needs the controls calls EnsureContent: a form made hidden at start
    // then costs the start only its window.
    virtual void CreateContent() {}
    void EnsureContent();
    bool ContentMade() const { return contentMade_; }

  private:
    int modalResult_ = 0;
    bool ended_ = false;
    bool contentMade_ = false;
    platform::Brush background_;
};

// One of the program's own windows, created once at start, hidden: it knows
// its class, caption and style and needs only its owner.
class ProgramForm : public Form {
  public:
    virtual void Create(HWND owner) = 0;
};

}  // namespace vix::ui
