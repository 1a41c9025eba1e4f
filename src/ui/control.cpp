#include "ui/control.h"

#include <unordered_map>
#include <utility>
#include <windowsx.h>

#include "platform/gdi.h"
#include "ui/hints.h"
#include "ui/standard_controls.h"
#include "ui/ui_thread.h"

namespace vix::ui {
namespace {

std::unordered_map<HWND, std::function<void(UINT)>>& Commands() {
    CheckUiThread();
    static std::unordered_map<HWND, std::function<void(UINT)>> commands;
    return commands;
}

POINT ClientPoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

void OnCommand(HWND control, std::function<void(UINT)> handler) {
    Commands()[control] = std::move(handler);
}

bool DispatchCommand(HWND control, UINT notifyCode) {
    auto it = Commands().find(control);
    if (it == Commands().end()) return false;
    auto handler = it->second;  // the handler may replace itself
    handler(notifyCode);
    return true;
}

Control::~Control() {
    if (hwnd()) ForgetHint(hwnd());
}

void Control::CreateControl(HWND parent, const Rect& bounds, std::wstring_view text, DWORD style,
                            DWORD exStyle, bool live) {
    live_ = live;
    Create(live ? platform::WindowClass{.name = L"VixLiveControl", .style = CS_DBLCLKS | CS_OWNDC}
                : platform::WindowClass{.name = L"VixControl", .style = CS_DBLCLKS},
           {.exStyle = exStyle,
            .style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | style,
            .text = text,
            .bounds = bounds,
            .parent = parent});
}

void Control::SetHint(std::wstring hint) { ui::SetHint(hwnd(), std::move(hint)); }

void Control::ClearHint() { ui::ForgetHint(hwnd()); }

void Control::SetPictureHint(std::wstring hint) {
    SetText(hint);
    SetHint(std::move(hint));
}

void Control::SetId(int id) { ::SetWindowLongPtrW(hwnd(), GWLP_ID, id); }

void Control::SetBackground(platform::GdiColor color) {
    if (color == background_ && hasBackground_) return;
    background_ = color;
    hasBackground_ = true;
    Repaint();
}

void Control::Repaint() {
    // Until its first paint the window paints what is current anyway:
    // asking for a repaint before that costs a call to the system's server.
    if (!painted_) return;
    if (HDC dc = live_ ? OwnDC() : nullptr)
        Paint(dc, ClientSize());
    else
        Invalidate();
}

HBRUSH Control::BackgroundBrush() {
    if (!hasBackground_) return nullptr;
    if (!backgroundBrush_ || brushColor_ != background_) {
        backgroundBrush_.reset(::CreateSolidBrush(background_.Ref()));
        brushColor_ = background_;
    }
    return backgroundBrush_.get();
}

void Control::PaintBehind(HDC dc, const Rect& area) const {
    platform::FillSolid(dc, {0, 0, area.width(), area.height()}, background_);
}

LRESULT Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: return 1;  // Paint covers the whole control
        case WM_PAINT: {
            platform::PaintDC dc(hwnd());
            Paint(dc.get(), ClientSize());
            painted_ = true;
            return 0;
        }
        case WM_LBUTTONDOWN:
            ::SetCapture(hwnd());
            pressed_ = true;
            Invalidate();
            if (onMouseDown) onMouseDown(ClientPoint(lParam));
            return 0;
        case WM_LBUTTONDBLCLK:
            // Without a double-click handler the second press is a press
            // like the first, so quick clicks each count.
            if (!onDoubleClick) return HandleMessage(WM_LBUTTONDOWN, wParam, lParam);
            onDoubleClick();
            if (onMouseDown) onMouseDown(ClientPoint(lParam));
            return 0;
        case WM_LBUTTONUP: {
            const bool wasPressed = std::exchange(pressed_, false);
            if (::GetCapture() == hwnd()) ::ReleaseCapture();
            Invalidate();
            RECT client{};
            ::GetClientRect(hwnd(), &client);
            if (onMouseUp) onMouseUp(ClientPoint(lParam));
            if (wasPressed && ::PtInRect(&client, ClientPoint(lParam)) && onClick) onClick();
            return 0;
        }
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (onOtherButtonDown) onOtherButtonDown(ClientPoint(lParam));
            return 0;
        case WM_MOUSEMOVE:
            if (onMouseMove) onMouseMove(ClientPoint(lParam));
            return 0;
        case WM_CAPTURECHANGED:
            if (pressed_) {
                pressed_ = false;
                Invalidate();
            }
            return 0;
        case WM_CONTEXTMENU:
            if (ContextMenuSuppressed(reinterpret_cast<HWND>(wParam))) return 0;
            break;
        case WM_COMMAND:
            if (lParam && DispatchCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam))) return 0;
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (HBRUSH brush = BackgroundBrush()) {
                ::SetBkColor(reinterpret_cast<HDC>(wParam), background_.Ref());
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace vix::ui
