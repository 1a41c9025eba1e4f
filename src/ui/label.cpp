#include "ui/label.h"

#include "platform/gdi.h"
#include "ui/skin.h"

namespace vix::ui {

void Label::Create(HWND parent, const Rect& bounds, std::wstring_view text, LabelStyle style) {
    style_ = style;
    caption_ = text;
    CreateControl(parent, bounds, text);
    SetBackground(style.background.Or(FaceColor()));
}

void Label::SetCaption(std::wstring_view text) {
    if (caption_ == text) return;
    caption_ = text;
    SetText(text);
    Invalidate();
}

void Label::Paint(HDC dc, Size size) {
    RECT all{0, 0, size.width, size.height};
    platform::FillSolid(dc, all, Background());
    const std::wstring& text = caption_;
    platform::Selection font(dc, style_.font ? style_.font : SkinFont(FontId::Main));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, style_.color.Or(TextColor()).Ref());
    const UINT format = style_.align | DT_NOPREFIX | (style_.wrap ? DT_WORDBREAK : DT_SINGLELINE);
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &all, format);
}

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR && style_.cursor && LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(style_.cursor);
        return TRUE;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace vix::ui
