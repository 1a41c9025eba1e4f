#include "ui/panel.h"

#include "platform/gdi.h"
#include "ui/skin.h"

namespace vix::ui {

void Panel::Create(HWND parent, const Rect& bounds, std::wstring_view caption, PanelStyle style) {
    caption_ = caption;
    CreateControl(parent, bounds, caption, 0, 0, style.live);
    SetStyle(style);
}

void Panel::SetStyle(PanelStyle style) {
    style_ = style;
    SetBackground(style.color.Or(FaceColor()));
}

void Panel::SetColor(platform::GdiColor color) {
    if (style_.color == color) return;
    style_.color = color;
    SetBackground(color);
}

void Panel::Paint(HDC dc, Size size) {
    const RECT all{0, 0, size.width, size.height};
    platform::FillSolid(dc, all, Background());
    if (style_.bevel != Bevel::None) {
        RECT edge = all;
        ::DrawEdge(dc, &edge, style_.bevel == Bevel::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
                   BF_RECT);
    }
    if (style_.highlightTopLeft) {
        platform::FillSolid(dc, {0, 0, size.width, 1}, platform::kWhite);
        platform::FillSolid(dc, {0, 0, 1, size.height}, platform::kWhite);
    }
    if (!style_.outline.None()) {
        ::SetDCBrushColor(dc, style_.outline.Ref());
        ::FrameRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    }
    if (!style_.bottomLine.None())
        platform::FillSolid(dc, {0, size.height - 1, size.width, size.height}, style_.bottomLine);
    const std::wstring& caption = caption_;
    if (caption.empty()) return;
    platform::Selection font(dc, style_.font ? style_.font : SkinFont(FontId::Main));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, style_.textColor.Or(TextColor()).Ref());
    RECT text = all;
    UINT format = DT_SINGLELINE | DT_NOPREFIX;
    format |= style_.captionX < 0 ? DT_CENTER : DT_LEFT;
    format |= style_.captionY < 0 ? DT_VCENTER : DT_TOP;
    if (style_.captionX >= 0) text.left = style_.captionX;
    if (style_.captionY >= 0) text.top = style_.captionY;
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, format);
}

}  // namespace vix::ui
