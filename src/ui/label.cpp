#include "ui/label.h"

#include "platform/gdi.h"
#include "ui/skin.h"

namespace vix::ui {

void Label::Create(HWND parent, const Rect& bounds, std::wstring_view text, LabelStyle style) {
    style_ = style;
    caption_ = shown_ = text;
    CreateControl(parent, bounds, text, 0, 0, style.live);
    SetBackground(style.background.Or(FaceColor()));
}

void Label::SetCaption(std::wstring_view text) {
    if (shown_ != text) {
        shown_ = text;
        Invalidate();
    }
    if (caption_ == text) return;
    caption_ = text;
    SetText(text);
}

void Label::ShowLive(std::wstring_view text) {
    if (shown_ == text) return;
    shown_ = text;
    Repaint();
}

void Label::SyncCaption() {
    if (caption_ == shown_) return;
    caption_ = shown_;
    SetText(caption_);
}

void Label::Paint(HDC dc, Size size) {
    RECT all{0, 0, size.width, size.height};
    const std::wstring& text = shown_;
    const HFONT font = style_.font ? style_.font : SkinFont(FontId::Main);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, style_.color.Or(TextColor()).Ref());
    if (style_.live && style_.align == DT_LEFT && !style_.wrap) {
        // The label's own DC keeps its font from one paint to the next:
        // selecting a font costs several times the drawing.
        if (::GetCurrentObject(dc, OBJ_FONT) != font) ::SelectObject(dc, font);
        // The text at the top-left corner, as DrawText puts a left-aligned
        // single line, on the background filled in the same call.
        ::SetBkColor(dc, Background().Ref());
        ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE | ETO_CLIPPED, &all, text.c_str(),
                      static_cast<UINT>(text.size()), nullptr);
        return;
    }
    platform::FillSolid(dc, all, Background());
    platform::Selection selected(dc, font);
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
