#include "ui/image_button.h"

#include <algorithm>

#include "platform/canvas.h"
#include "platform/gdi.h"
#include "ui/ui_thread.h"

namespace vix::ui {

ButtonPictures PicturesOf(std::wstring_view base) {
    const std::wstring b(base);
    ButtonPictures p{&SkinPicture(b + L"_70"), &SkinPicture(b + L"_100"),
                     &SkinPicture(b + L"_down")};
    if (!*p.pressed) p.pressed = p.hover;
    return p;
}

ButtonPictures RestHoverPictures(std::wstring_view base) {
    const std::wstring b(base);
    const Picture* rest = &SkinPicture(b + L"_70");
    return {rest, &SkinPicture(b + L"_100"), rest};
}

void ImageButton::Create(HWND parent, const Rect& bounds, std::wstring_view hint,
                         ButtonPictures pictures) {
    pictures_ = pictures;
    CreateControl(parent, bounds, hint);
    SetPictureHint(std::wstring(hint));
}

void ImageButton::SetPictures(ButtonPictures pictures) {
    if (pictures == pictures_) return;
    pictures_ = pictures;
    Invalidate();
}

namespace {

// The off-screen surface every button paints into, grown to the largest:
// buttons paint one at a time on the one thread, so a DC and a bitmap made
// once serve every paint instead of two made and freed per paint.
platform::Canvas& PaintBuffer(Size size) {
    CheckUiThread();
    static platform::Canvas buffer;
    const Size have = buffer.size();
    if (have.width < size.width || have.height < size.height)
        buffer.Resize({std::max(have.width, size.width), std::max(have.height, size.height)});
    return buffer;
}

}  // namespace

void ImageButton::Paint(HDC dc, Size size) {
    // Paint off screen, so hovering never flickers.
    platform::Canvas& canvas = PaintBuffer(size);
    HDC buffer = canvas ? canvas.dc() : dc;
    // The parent shows through the picture's transparent parts.
    const auto* below =
        dynamic_cast<const Control*>(platform::Window::FromHandle(::GetParent(hwnd())));
    if (below)
        below->PaintBehind(buffer, Bounds());
    else
        platform::FillSolid(buffer, {0, 0, size.width, size.height}, FaceColor());
    const Picture* picture = pictures_.normal;
    if (Enabled() && Pressed() && hover_)
        picture = pictures_.pressed;
    else if (Enabled() && hover_)
        picture = pictures_.hover;
    if (picture) DrawPicture(buffer, *picture, 0, 0, !Enabled());
    if (buffer != dc) ::BitBlt(dc, 0, 0, size.width, size.height, buffer, 0, 0, SRCCOPY);
}

LRESULT ImageButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            if (!hover_) {
                hover_ = true;
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd(), 0};
                ::TrackMouseEvent(&track);
                Invalidate();
            }
            break;
        case WM_MOUSELEAVE:
            hover_ = false;
            Invalidate();
            return 0;
        case WM_ENABLE: Invalidate(); break;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

void PictureBox::Create(HWND parent, const Rect& bounds, const Picture& picture) {
    picture_ = &picture;
    CreateControl(parent, bounds, L"");
    SetBackground(FaceColor());
}

void PictureBox::PaintBehind(HDC dc, const Rect& area) const {
    Control::PaintBehind(dc, area);
    if (picture_) DrawPicture(dc, *picture_, -area.left, -area.top);
}

void PictureBox::Paint(HDC dc, Size size) {
    platform::FillSolid(dc, {0, 0, size.width, size.height}, Background());
    if (picture_) DrawPicture(dc, *picture_, 0, 0);
}

}  // namespace vix::ui
