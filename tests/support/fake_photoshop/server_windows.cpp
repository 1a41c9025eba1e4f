// The windows by which the program recognises a running Photoshop: the main
// window (class "Photoshop") and the floating colour picker (class
// "PSFloatC", titled "Color Picker").

#include "server.h"

namespace vix::fake {

namespace {

constexpr wchar_t kMainClass[] = L"Photoshop";
constexpr wchar_t kPickerClass[] = L"PSFloatC";

HWND mainWindow = nullptr;
HWND pickerWindow = nullptr;

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        Server::Get().Record("Window", "Close", "-", {{"class", "Photoshop"}});
        ::DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY && window == mainWindow) {
        mainWindow = nullptr;
        Server::Get().WindowClosed();
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK PickerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE)
        Server::Get().Record("Window", "SysCommandClose", "-", {{"class", "PSFloatC"}});
    if (message == WM_CLOSE) {
        Server::Get().Record("Window", "Close", "-", {{"class", "PSFloatC"}});
        ::DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY && window == pickerWindow) pickerWindow = nullptr;
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void Register(const wchar_t* name, WNDPROC proc) {
    WNDCLASSW wc{};
    if (::GetClassInfoW(::GetModuleHandleW(nullptr), name, &wc)) return;
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    ::RegisterClassW(&wc);
}

}  // namespace

bool HasPhotoshopWindow() { return mainWindow != nullptr; }

void ShowPhotoshopWindow(bool show) {
    if (show && !mainWindow) {
        Register(kMainClass, MainProc);
        mainWindow = ::CreateWindowExW(0, kMainClass, L"Adobe Photoshop (test server)",
                                       WS_OVERLAPPEDWINDOW, 600, 300, 320, 200, nullptr, nullptr,
                                       ::GetModuleHandleW(nullptr), nullptr);
        ::ShowWindow(mainWindow, SW_SHOWNOACTIVATE);
    } else if (!show && mainWindow) {
        // Not a user's close: the process goes on as configured.
        HWND window = mainWindow;
        mainWindow = nullptr;
        ::DestroyWindow(window);
    }
}

void ShowColorPicker(bool show) {
    if (show && !pickerWindow) {
        Register(kPickerClass, PickerProc);
        pickerWindow = ::CreateWindowExW(WS_EX_TOOLWINDOW, kPickerClass, L"Color Picker",
                                         WS_POPUP | WS_CAPTION | WS_SYSMENU, 640, 340, 240, 160,
                                         nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ::ShowWindow(pickerWindow, SW_SHOWNOACTIVATE);
    } else if (!show && pickerWindow) {
        HWND window = pickerWindow;
        pickerWindow = nullptr;
        ::DestroyWindow(window);
    }
}

}  // namespace vix::fake
