#include "photoshop/photoshop_windows.h"

#include <windows.h>

namespace vix {

bool FindPhothoshop() { return ::FindWindowW(L"Photoshop", nullptr) != nullptr; }

void ClosePhotoshopColorPicker() {
    // A Photoshop that does not answer is not waited for: the export's own
    // calls will find it so, within their bound.
    constexpr UINT kCloseWaitMs = 5000;
    if (HWND picker = ::FindWindowW(L"PSFloatC", L"Color Picker"))
        ::SendMessageTimeoutW(picker, WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_ABORTIFHUNG, kCloseWaitMs,
                              nullptr);
}

}  // namespace vix
