#include "ruler/ruler_window.h"

#include <windowsx.h>

#include <cwchar>

#include "platform/desktop.h"
#include "ruler/ruler_scale.h"
#include "ui/skin.h"

namespace vix {
namespace {

HCURSOR CursorFor(int mode) {
    switch (mode) {
        case kDragWidth: return ::LoadCursorW(nullptr, IDC_SIZEWE);
        case kDragHeight: return ::LoadCursorW(nullptr, IDC_SIZENS);
        default: return ::LoadCursorW(nullptr, IDC_SIZEALL);
    }
}

// The labels of a vertical ruler: 11-pixel Arial turned by 270 degrees.
platform::Font TurnedLabelFont() {
    LOGFONTW font{};
    font.lfHeight = -11;
    font.lfEscapement = 2700;
    font.lfOrientation = 2700;
    std::wcscpy(font.lfFaceName, L"Arial");
    return platform::Font(::CreateFontIndirectW(&font));
}

}  // namespace

void Trulerapp::Create(HWND owner) {
    // A plain popup: no caption, frame or system menu.
    CreateForm({.className = L"Trulerapp",
                .caption = L"Vix ruler",
                .style = WS_POPUP,
                .exStyle = WS_EX_TOPMOST,
                .client = {kDefaultRulerLength, kRulerThickness},
                .owner = owner});
}

void Trulerapp::ShowRuler(RulerUnits unit) {
    RulerUnit = unit;
    Show();
}

void Trulerapp::FormShow() {
    RulerOrientation = roHorizontalTop;
    ::SetWindowPos(hwnd(), nullptr, 0, 0, ClientSize().width, kRulerThickness,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetRulerLength(kDefaultRulerLength);
    const Rect b = Bounds();
    MoveRuler(b.left, b.top);
}

void Trulerapp::MoveRuler(int x, int y) {
    const Point p = ClampRulerPosition({x, y}, platform::VirtualDesktop());
    ::SetWindowPos(hwnd(), HWND_TOPMOST, p.x, p.y, 0, 0,
                   SWP_NOSIZE | SWP_NOSENDCHANGING | SWP_NOACTIVATE);
}

platform::GdiColor Trulerapp::Colour() const {
    return host_ ? host_->RulerColor() : platform::kWhite;
}

int Trulerapp::GetRulerLength() const { return RulerLength(RulerOrientation, ClientSize()); }

void Trulerapp::SetRulerLength(int pixels) {
    const Size size = SizeForLength(RulerOrientation, ClientSize(), pixels);
    ::SetWindowPos(hwnd(), nullptr, 0, 0, size.width, size.height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PaintRuler();
    RulerChanged();
}

void Trulerapp::RulerChanged() { Report(GetRulerLength(), true); }

void Trulerapp::ReportRulerLine() { Report(std::nullopt, false); }

void Trulerapp::Report(std::optional<int> length, bool redrawViews) {
    if (!host_) return;
    const Rect bounds = Bounds();
    host_->RulerMoved({length, MeasuredLine(RulerOrientation, bounds),
                       DisplayedPosition(RulerOrientation, bounds), redrawViews});
}

void Trulerapp::RotateRuler() { Turn(RulerTurn::Rotate, Rotated({RulerOrientation, Bounds()})); }

void Trulerapp::FlipRuler() { Turn(RulerTurn::Flip, Flipped({RulerOrientation, Bounds()})); }

// The window vanishes while its bounds change, so no half-turned state shows.
void Trulerapp::Turn(RulerTurn turn, const RulerPose& pose) {
    const bool known = IsHorizontal(pose.orientation) || IsVertical(pose.orientation);
    if (known) {
        // SetWindowRgn takes ownership of the region.
        ::SetWindowRgn(hwnd(), ::CreateRectRgn(0, 0, 0, 0), FALSE);
        regionSize_ = {};
        RulerOrientation = pose.orientation;
        const Rect& b = pose.bounds;
        ::SetWindowPos(hwnd(), nullptr, b.left, b.top, b.width(), b.height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
        if (host_) host_->ShowTurnPictures(PicturesAfter(turn, RulerOrientation));
    }
    PaintRuler();
    ReportRulerLine();
}

void Trulerapp::PaintRuler() {
    const Size size = ClientSize();
    // The window's region is the whole window; setting it costs much
    // under Wine, so it is set only when it differs.
    if (regionSize_ != size) {
        ::SetWindowRgn(hwnd(), ::CreateRectRgn(0, 0, size.width, size.height), TRUE);
        regionSize_ = size;
    }
    if (!IsHorizontal(RulerOrientation) && !IsVertical(RulerOrientation)) return;
    Invalidate();
    // Without a picture the ruler goes on as a plain strip; the next change
    // tries again.
    if (!picture_.Resize(size)) return;
    const platform::GdiColor colour = Colour();
    ::GdiFlush();
    picture_.Fill(BodyOf(RulerOrientation, size).fill, colour.DibPixel());
    DrawScale(picture_.dc(), size, colour);
}

// The ticks go straight into the bitmap's memory, then the border and the
// labels are drawn: no label overlaps a tick but its own, as if each label
// were drawn right after its tick.
void Trulerapp::DrawScale(HDC dc, Size size, platform::GdiColor colour) {
    const bool vertical = IsVertical(RulerOrientation);
    const Size screen = platform::PrimaryScreen();
    const int length = RulerLength(RulerOrientation, size);
    const std::vector<Tick> ticks = RulerTicks(RulerUnit, length, platform::ScreenDpi(),
                                               vertical ? screen.height : screen.width);
    for (const Tick& tick : ticks) {
        const TickLine line = TickPixels(RulerOrientation, tick.position, tick.length, size);
        picture_.Fill({line.from.x, line.from.y, line.to.x + 1, line.to.y + 1},
                      platform::kBlack.DibPixel());
    }
    const RulerBody body = BodyOf(RulerOrientation, size);
    POINT border[4];
    for (int i = 0; i < 4; ++i)
        border[i] = platform::ToPOINT(body.border[i]);
    platform::Selection pen(dc, ::GetStockObject(BLACK_PEN));
    ::Polyline(dc, border, 4);

    platform::Font turned;
    if (vertical) turned = TurnedLabelFont();
    platform::Selection font(dc, vertical ? turned.get() : ui::SkinFont(ui::FontId::Dialog));
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    ::SetBkColor(dc, colour.Ref());
    ::SetBkMode(dc, OPAQUE);
    for (const Tick& tick : ticks) {
        if (tick.label.empty()) continue;
        SIZE extent{};
        const int count = static_cast<int>(tick.label.size());
        ::GetTextExtentPoint32W(dc, tick.label.c_str(), count, &extent);
        const Point at = LabelPlace(RulerOrientation, tick.position, extent.cx, size);
        ::TextOutW(dc, at.x, at.y, tick.label.c_str(), count);
    }
}

void Trulerapp::BeginDrag(POINT client) {
    dragging_ = true;
    dragStart_ = client;
    ::SetCapture(hwnd());
}

void Trulerapp::TrackPointer(POINT client) {
    if (!dragging_) {
        dragMode_ = DragModeAt(RulerOrientation, {client.x, client.y}, ClientSize());
        cursor_ = CursorFor(dragMode_);
        ::SetCursor(cursor_);
        return;
    }
    switch (dragMode_) {
        case kDragMove: {
            const Rect b = Bounds();
            MoveRuler(b.left + client.x - dragStart_.x, b.top + client.y - dragStart_.y);
            break;
        }
        case kDragWidth: SetRulerLength(client.x); break;
        case kDragHeight: SetRulerLength(client.y); break;
        default: return;
    }
    ::UpdateWindow(hwnd());
}

void Trulerapp::EndDrag() {
    ::ReleaseCapture();
    dragging_ = false;
    dragMode_ = kDragNone;
}

bool Trulerapp::FormKeyDown(WPARAM key) {
    ArrowKey arrow;
    switch (key) {
        case VK_LEFT: arrow = ArrowKey::Left; break;
        case VK_RIGHT: arrow = ArrowKey::Right; break;
        case VK_UP: arrow = ArrowKey::Up; break;
        case VK_DOWN: arrow = ArrowKey::Down; break;
        default: return false;
    }
    const auto down = [](int k) { return ::GetKeyState(k) < 0; };
    const auto action =
        KeyActionFor(arrow, down(VK_SHIFT), down(VK_CONTROL), down(VK_MENU), RulerOrientation);
    if (!action) return false;
    if (action->lengthChange)
        SetRulerLength(GetRulerLength() + action->lengthChange);
    else {
        const Rect b = Bounds();
        MoveRuler(b.left + action->move.x, b.top + action->move.y);
    }
    return true;
}

LRESULT Trulerapp::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT client{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_PAINT: {
            platform::PaintDC paint(hwnd());
            if (picture_)
                picture_.CopyTo(paint.get(), 0, 0);
            else
                platform::FillSolid(paint.get(), {0, 0, ClientSize().width, ClientSize().height},
                                    Colour());
            return 0;
        }
        case WM_ERASEBKGND: return 1;  // the picture covers the whole window
        case WM_LBUTTONDOWN: BeginDrag(client); return 0;
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: RotateRuler(); return 0;
        case WM_MOUSEMOVE: TrackPointer(client); return 0;
        case WM_LBUTTONUP: EndDrag(); return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && cursor_) {
                ::SetCursor(cursor_);
                return TRUE;
            }
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (FormKeyDown(wParam)) return 0;
            break;
        case WM_WINDOWPOSCHANGING: {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
            if (!(pos->flags & SWP_NOMOVE)) {
                const Point p = ClampRulerPosition({pos->x, pos->y}, platform::VirtualDesktop());
                pos->x = p.x;
                pos->y = p.y;
            }
            break;
        }
        case WM_MOVE:
        case WM_SIZING: ReportRulerLine(); break;
        case WM_SIZE:
            if (host_) host_->RepaintLengthField();
            break;
    }
    return ui::Form::HandleMessage(message, wParam, lParam);
}

}  // namespace vix
