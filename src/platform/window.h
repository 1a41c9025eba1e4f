#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "common/geometry.h"

// The one window base: the object receives `this` through the creation
// parameters, keeps it in GWLP_USERDATA and handles its messages in member
// functions. The object owns its window and destroys it with itself.

namespace vix::platform {

struct WindowClass {
    const wchar_t* name = nullptr;
    UINT style = 0;
    HCURSOR cursor = nullptr;  // null: the arrow
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
};

struct WindowSpec {
    DWORD exStyle = 0;
    DWORD style = 0;
    std::wstring_view text;
    Rect bounds;
    HWND parent = nullptr;  // the parent of a child, the owner of a top-level window
    UINT_PTR id = 0;        // child windows only
};

class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }
    // The object behind one of our windows; null for any other window.
    static Window* FromHandle(HWND hwnd);

    std::wstring Text() const;
    void SetText(std::wstring_view text);
    bool Visible() const { return hwnd_ && ::IsWindowVisible(hwnd_); }
    void SetVisible(bool visible);
    bool Enabled() const { return hwnd_ && ::IsWindowEnabled(hwnd_); }
    void SetEnabled(bool enabled);
    // Bounds in the parent's client coordinates (the screen for top-level windows).
    Rect Bounds() const;
    void SetBounds(const Rect& bounds);
    Size ClientSize() const;
    void Invalidate();
    // The DC of a window whose class gives each window one of its own
    // (CS_OWNDC), fetched once: it lives as long as the window and needs no
    // release, so drawing through it costs no call to get one.
    HDC OwnDC();
    // Brings the window to the top of its siblings without activating it.
    void BringToFront();

  protected:
    // Registers the class on first use and creates the window.
    void Create(const WindowClass& cls, const WindowSpec& spec);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    HDC ownDC_ = nullptr;
};

// Whether the window has a frame, caption, menu or scroll bars around its
// client area: anything the system paints outside it.
bool HasNonClientArea(HWND hwnd);

// Shows an error that escaped a message handler. The application installs the
// box that shows it; the handler ends and the program goes on.
using ErrorReporter = void (*)(const std::wstring& message);
void SetErrorReporter(ErrorReporter reporter);
void ReportError(const std::wstring& message);

// Runs `action`, reporting an error it raises instead of letting it escape.
template <typename F>
void Guarded(F&& action);

std::wstring WindowText(HWND hwnd);

}  // namespace vix::platform

#include "platform/window_guard.inl"
