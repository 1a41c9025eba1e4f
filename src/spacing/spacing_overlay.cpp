#include "spacing/spacing_overlay.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/gdi.h"
#include "ui/skin.h"

namespace vix {
namespace {

// Red reads on most designs; the label stands on pale yellow, as a hint does.
constexpr platform::GdiColor kLineColour = platform::GdiColor::Rgb(255, 0, 64);
constexpr platform::GdiColor kLabelBack = platform::GdiColor::Rgb(255, 255, 225);
constexpr int kTick = 4;          // pixels each side of a span's end
constexpr int kLabelOffset = 16;  // from the pointer, right and down

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    ::MoveToEx(dc, x1, y1, nullptr);
    ::LineTo(dc, x2, y2);
}

}  // namespace

void SpacingOverlay::Create(HWND owner) {
    CreateForm({.className = L"TSpacingOverlay",
                .caption = L"Vix spacing",
                .style = WS_POPUP,
                .exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
                .client = {1, 1},
                .owner = owner});
}

void SpacingOverlay::Begin(const platform::Canvas& still, const Rect& desktop) {
    still_ = &still;
    desktop_ = desktop;
    frame_.Resize({desktop.width(), desktop.height()});
    kept_.clear();
    current_.reset();
    ::SetWindowPos(hwnd(), HWND_TOPMOST, desktop.left, desktop.top, desktop.width(),
                   desktop.height(), SWP_NOACTIVATE);
    Show();
    // The keys (Esc, Tab) come to the window in front.
    ::SetForegroundWindow(hwnd());
    ::SetFocus(hwnd());
}

void SpacingOverlay::End() {
    Hide();
    still_ = nullptr;
    frame_ = platform::Canvas{};
    kept_.clear();
    current_.reset();
}

void SpacingOverlay::Draw(const std::vector<DrawnMeasure>& kept,
                          const std::optional<DrawnMeasure>& current) {
    // A move of the pointer paints again where the last measurement was and
    // where the new one is, not the whole desktop: on a large desktop that
    // would take more than a frame.
    if (!frame_ || kept.size() != kept_.size()) {
        ::InvalidateRect(hwnd(), nullptr, FALSE);
    } else {
        const auto repaint = [this](const std::optional<DrawnMeasure>& m) {
            if (!m) return;
            const RECT covered = Extent(frame_.dc(), *m);
            ::InvalidateRect(hwnd(), &covered, FALSE);
        };
        repaint(current_);
        repaint(current);
    }
    kept_ = kept;
    current_ = current;
}

Point SpacingOverlay::ScreenPoint(LPARAM lParam) const {
    return {GET_X_LPARAM(lParam) + desktop_.left, GET_Y_LPARAM(lParam) + desktop_.top};
}

void SpacingOverlay::Paint(HDC target, const RECT& dirty) {
    if (!still_ || !*still_) return;
    // Drawn off the screen first, so that the lines do not flicker over the
    // copy at each move of the pointer. Outside the dirty rectangle the frame
    // holds the same drawing already: drawing it again there changes nothing.
    HDC dc = frame_ ? frame_.dc() : target;
    const int w = dirty.right - dirty.left, h = dirty.bottom - dirty.top;
    ::BitBlt(dc, dirty.left, dirty.top, w, h, still_->dc(), dirty.left, dirty.top, SRCCOPY);
    for (const DrawnMeasure& m : kept_)
        DrawMeasure(dc, m);
    if (current_) DrawMeasure(dc, *current_);
    if (!frame_) return;
    ::GdiFlush();
    ::BitBlt(target, dirty.left, dirty.top, w, h, dc, dirty.left, dirty.top, SRCCOPY);
}

RECT SpacingOverlay::LabelBox(HDC dc, const DrawnMeasure& m) const {
    platform::Selection font(dc, ui::SkinFont(ui::FontId::Main));
    RECT text{0, 0, 0, 0};
    ::DrawTextW(dc, m.label.c_str(), static_cast<int>(m.label.size()), &text,
                DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const int w = text.right + 8, h = text.bottom + 4;
    const int x = m.pointer.x - desktop_.left, y = m.pointer.y - desktop_.top;
    // Beside the pointer, on the other side near the desktop's right or
    // bottom edge.
    int lx = x + kLabelOffset, ly = y + kLabelOffset;
    if (lx + w > desktop_.width()) lx = x - kLabelOffset - w;
    if (ly + h > desktop_.height()) ly = y - kLabelOffset - h;
    lx = std::max(lx, 0);
    ly = std::max(ly, 0);
    return {lx, ly, lx + w, ly + h};
}

RECT SpacingOverlay::Extent(HDC dc, const DrawnMeasure& m) const {
    // The spans hold the pointer, so their rectangle with the ticks' reach
    // round it holds every line.
    RECT lines{m.spans.left - desktop_.left - kTick, m.spans.top - desktop_.top - kTick,
               m.spans.right - desktop_.left + kTick + 2,
               m.spans.bottom - desktop_.top + kTick + 2};
    if (m.label.empty()) return lines;
    const RECT label = LabelBox(dc, m);
    RECT both;
    ::UnionRect(&both, &lines, &label);
    return both;
}

void SpacingOverlay::DrawMeasure(HDC dc, const DrawnMeasure& m) const {
    const platform::Pen pen(::CreatePen(PS_SOLID, 1, kLineColour.Ref()));
    platform::Selection selected(dc, pen.get());
    const int left = m.spans.left - desktop_.left, right = m.spans.right - desktop_.left;
    const int top = m.spans.top - desktop_.top, bottom = m.spans.bottom - desktop_.top;
    const int x = m.pointer.x - desktop_.left, y = m.pointer.y - desktop_.top;
    if (m.mode == SpacingMode::Box) {
        Line(dc, left, top, right, top);
        Line(dc, right, top, right, bottom);
        Line(dc, right, bottom, left, bottom);
        Line(dc, left, bottom, left, top);
    } else {
        // LineTo leaves out its last pixel: one more reaches the span's end.
        if (MeasuresWidth(m.mode)) {
            Line(dc, left, y, right + 1, y);
            Line(dc, left, y - kTick, left, y + kTick + 1);
            Line(dc, right, y - kTick, right, y + kTick + 1);
        }
        if (MeasuresHeight(m.mode)) {
            Line(dc, x, top, x, bottom + 1);
            Line(dc, x - kTick, top, x + kTick + 1, top);
            Line(dc, x - kTick, bottom, x + kTick + 1, bottom);
        }
    }
    if (m.label.empty()) return;

    const RECT box = LabelBox(dc, m);
    platform::FillSolid(dc, box, kLabelBack);
    ::FrameRect(dc, &box, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    platform::Selection font(dc, ui::SkinFont(ui::FontId::Main));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, platform::kBlack.Ref());
    RECT inner{box.left + 4, box.top + 2, box.right - 4, box.bottom - 2};
    ::DrawTextW(dc, m.label.c_str(), static_cast<int>(m.label.size()), &inner,
                DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT SpacingOverlay::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto call = [](const auto& handler, auto... args) {
        if (handler) handler(args...);
        return LRESULT{0};
    };
    switch (message) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            platform::PaintDC paint(hwnd());
            Paint(paint.get(), paint.dirty());
            return 0;
        }
        case WM_MOUSEMOVE: return call(input.moved, ScreenPoint(lParam));
        case WM_LBUTTONDOWN:
            ::SetCapture(hwnd());
            return call(input.pressed, ScreenPoint(lParam), (wParam & MK_SHIFT) != 0);
        case WM_LBUTTONUP:
            if (::GetCapture() == hwnd()) ::ReleaseCapture();
            return call(input.released, ScreenPoint(lParam), (wParam & MK_SHIFT) != 0);
        case WM_RBUTTONDOWN: return call(input.cancelled);
        case WM_MOUSEWHEEL:
            return call(input.wheel, static_cast<int>(GET_WHEEL_DELTA_WPARAM(wParam)));
        case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) return call(input.cancelled);
            if (wParam == VK_TAB) return call(input.nextMode);
            return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace vix
