// The yardstick for the picker with the pointer moving: the least a program
// must do at a 15 ms tick to show what the picker shows when the pixels
// under the pointer change. It copies the 13 x 13 pixels round the pointer
// from a screen DC held for its life, enlarges them six times into an
// off-screen bitmap as the picker's view with its sample box, writes the ten
// values (R, G, B, C, M, Y, K, H, S, B) and fills the swatch in the same
// bitmap, and puts each changed area on its window in one copy, through the
// window's own DC. Nothing is made or measured at a tick; a tick whose 13 x
// 13 pixels are those of the last one draws nothing.
#pragma once

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cwchar>

namespace vix::bench {

class MovingFloor {
  public:
    static constexpr int kSource = 13;
    static constexpr int kZoom = 6;
    static constexpr int kView = kSource * kZoom;
    static constexpr int kWidth = 260;
    static constexpr int kHeight = 200;

    // Opens the floor's window at (x, y); false when it cannot.
    bool Open(HINSTANCE instance, int x, int y) {
        WNDCLASSW wc{};
        wc.style = CS_OWNDC;
        wc.lpfnWndProc = Proc;
        wc.hInstance = instance;
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"VixMovingFloor";
        ::RegisterClassW(&wc);
        window_ =
            ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, wc.lpszClassName, L"moving floor",
                              WS_POPUP, x, y, kWidth, kHeight, nullptr, nullptr, instance, this);
        if (!window_) return false;
        screen_ = ::GetDC(nullptr);
        shown_ = ::GetDC(window_);
        square_ = MakeSurface(kSource, kSource, &squareBits_);
        DWORD* unused = nullptr;
        back_ = MakeSurface(kWidth, kHeight, &unused);
        if (!square_ || !back_) return false;
        font_ = ::CreateFontW(-9, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH, L"MS Sans Serif");
        ::SelectObject(back_, font_);
        ::SelectObject(back_, ::GetStockObject(BLACK_PEN));
        ::SetStretchBltMode(back_, COLORONCOLOR);
        ::SetTextColor(back_, ::GetSysColor(COLOR_WINDOWTEXT));
        Fill(back_, {0, 0, kWidth, kHeight}, ::GetSysColor(COLOR_BTNFACE));
        Fill(back_, {kSwatchX, kSwatchY, kSwatchX + 20, kSwatchY + 20},
             ::GetSysColor(COLOR_BTNSHADOW));
        ::ShowWindow(window_, SW_SHOWNOACTIVATE);
        ::UpdateWindow(window_);
        return true;
    }

    HWND window() const { return window_; }

    // One tick with the pointer at (x, y).
    void Tick(int x, int y) {
        ::BitBlt(square_, 0, 0, kSource, kSource, screen_, x - kSource / 2, y - kSource / 2,
                 SRCCOPY);
        ::GdiFlush();
        if (std::equal(last_.begin(), last_.end(), squareBits_)) return;
        std::copy_n(squareBits_, last_.size(), last_.begin());
        ::StretchBlt(back_, kViewX, kViewY, kView, kView, square_, 0, 0, kSource, kSource, SRCCOPY);
        const int from = kSource / 2 * kZoom - 1, to = from + kZoom + 1;
        const POINT box[] = {{kViewX + from, kViewY + from},
                             {kViewX + to, kViewY + from},
                             {kViewX + to, kViewY + to},
                             {kViewX + from, kViewY + to},
                             {kViewX + from, kViewY + from}};
        ::Polyline(back_, box, 5);
        Put({kViewX, kViewY, kViewX + kView, kViewY + kView});

        const DWORD centre = squareBits_[kSource / 2 * kSource + kSource / 2];
        const COLORREF live = RGB(centre >> 16 & 0xFF, centre >> 8 & 0xFF, centre & 0xFF);
        if (live != swatch_) {
            swatch_ = live;
            const RECT inside{kSwatchX + 1, kSwatchY + 1, kSwatchX + 19, kSwatchY + 19};
            Fill(back_, inside, live);
            Put(inside);
        }
        ShowValues(GetRValue(live), GetGValue(live), GetBValue(live));
        ::GdiFlush();
    }

  private:
    static constexpr int kViewX = 6, kViewY = 7;
    static constexpr int kSwatchX = 130, kSwatchY = 6;
    static constexpr int kValueWidth = 60, kValueHeight = 14;
    struct Place {
        int x, y;
    };
    // R, G, B beside the view; C, M, Y, K and H, S, B below, as in the picker.
    static constexpr std::array<Place, 10> kPlaces{{{106, 44},
                                                    {106, 58},
                                                    {106, 72},
                                                    {28, 121},
                                                    {28, 137},
                                                    {28, 153},
                                                    {28, 169},
                                                    {128, 121},
                                                    {128, 137},
                                                    {128, 153}}};
    using Text = std::array<wchar_t, 12>;

    static HDC MakeSurface(int width, int height, DWORD** bits) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        HDC dc = ::CreateCompatibleDC(nullptr);
        void* pixels = nullptr;
        HBITMAP bitmap = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &pixels, nullptr, 0);
        if (!dc || !bitmap) return nullptr;
        ::SelectObject(dc, bitmap);
        *bits = static_cast<DWORD*>(pixels);
        return dc;
    }

    static void Fill(HDC dc, const RECT& area, COLORREF colour) {
        ::SetBkColor(dc, colour);
        ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    }

    void Put(const RECT& r) {
        ::BitBlt(shown_, r.left, r.top, r.right - r.left, r.bottom - r.top, back_, r.left, r.top,
                 SRCCOPY);
    }

    void ShowValues(int r, int g, int b) {
        std::array<Text, 10> texts{};
        const auto percent = [](Text& t, int v, int of) {
            std::swprintf(t.data(), t.size(), L"%d%%", (v * 100 + of / 2) / of);
        };
        for (int i = 0; i < 3; ++i) {
            const int v = i == 0 ? r : i == 1 ? g : b;
            std::swprintf(texts[i].data(), texts[i].size(), L"%d.%d%%", v * 100 / 255,
                          v * 1000 / 255 % 10);
        }
        const int k = 255 - std::max({r, g, b});
        percent(texts[3], 255 - r - k, 255);
        percent(texts[4], 255 - g - k, 255);
        percent(texts[5], 255 - b - k, 255);
        percent(texts[6], k, 255);
        const int v = std::max({r, g, b}), d = v - std::min({r, g, b});
        int h = 0;
        if (d > 0)
            h = v == r   ? 60 * (g - b) / d
                : v == g ? 60 * (b - r) / d + 120
                         : 60 * (r - g) / d + 240;
        if (h < 0) h += 360;
        std::swprintf(texts[7].data(), texts[7].size(), L"%d\u00B0", h);
        percent(texts[8], d, v > 0 ? v : 1);
        percent(texts[9], v, 255);
        ::SetBkColor(back_, ::GetSysColor(COLOR_BTNFACE));
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (texts[i] == texts_[i]) continue;
            texts_[i] = texts[i];
            const RECT area{kPlaces[i].x, kPlaces[i].y, kPlaces[i].x + kValueWidth,
                            kPlaces[i].y + kValueHeight};
            ::ExtTextOutW(back_, area.left, area.top, ETO_OPAQUE | ETO_CLIPPED, &area,
                          texts[i].data(), static_cast<UINT>(std::wcslen(texts[i].data())),
                          nullptr);
            Put(area);
        }
    }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE)
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(
                                    reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<MovingFloor*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        switch (message) {
            case WM_ERASEBKGND: return 1;
            case WM_PAINT: {
                PAINTSTRUCT ps;
                HDC dc = ::BeginPaint(hwnd, &ps);
                if (self && self->back_)
                    ::BitBlt(dc, 0, 0, kWidth, kHeight, self->back_, 0, 0, SRCCOPY);
                ::EndPaint(hwnd, &ps);
                return 0;
            }
            case WM_CLOSE: ::PostQuitMessage(0); return 0;
        }
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    HDC screen_ = nullptr;
    HDC shown_ = nullptr;
    HDC square_ = nullptr;
    HDC back_ = nullptr;
    DWORD* squareBits_ = nullptr;
    HFONT font_ = nullptr;
    std::array<DWORD, kSource * kSource> last_{};
    COLORREF swatch_ = CLR_INVALID;
    std::array<Text, 10> texts_{};
};

}  // namespace vix::bench
