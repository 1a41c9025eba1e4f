#include "photoshop/photoshop_windows.h"

#include <windows.h>

namespace vix {

bool FindPhothoshop() { return ::FindWindowW(L"Photoshop", nullptr) != nullptr; }

void ClosePhotoshopColorPicker() {
    if (HWND picker = ::FindWindowW(L"PSFloatC", L"Color Picker"))
        ::SendMessageW(picker, WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace vix
