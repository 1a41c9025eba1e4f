#pragma once

#include <windows.h>

#include "ui/form.h"

// A window of the program whose subsystem has not come yet: it exists,
// hidden, with its class and caption, so that the program's set of windows
// is complete from the start.

namespace vix {

struct PlaceholderSpec {
    const wchar_t* className;
    const wchar_t* caption;
    DWORD style;
};

class PlaceholderForm final : public ui::ProgramForm {
  public:
    explicit PlaceholderForm(PlaceholderSpec spec) : spec_(spec) {}
    void Create(HWND owner) override {
        CreateForm({spec_.className, spec_.caption, spec_.style, WS_EX_TOPMOST, {300, 200}, owner});
    }

  private:
    PlaceholderSpec spec_;
};

inline constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
inline constexpr DWORD kOverlayStyle = WS_POPUP;

}  // namespace vix
