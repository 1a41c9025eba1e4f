#include "app/about_box.h"

#include <shellapi.h>

#include "app/vendor.h"
#include "update/links_panel.h"
#include "ui/skin.h"

namespace vix {

void TAbout::Create(HWND owner) {
    CreateForm({.className = L"TAbout",
                .caption = L"About vix",
                .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                .exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
                .client = {240, 245},
                .owner = owner,
                .dialogKeys = true});
}

void TAbout::CreateContent() {
    const platform::GdiColor white = platform::kWhite;
    pnlBand.Create(hwnd(), {0, 0, 240, 50}, L"", {.color = white});
    imgLogo.Create(pnlBand.hwnd(), Rect::FromBounds(6, 5, 120, 40), ui::SkinPicture(L"LOGO"));
    imgLogo.SetBackground(white);
    lblVersion.Create(pnlBand.hwnd(), Rect::FromBounds(150, 18, 84, 16), L"",
                      {.font = ui::SkinFont(ui::FontId::DialogBold),
                       .color = platform::GdiColor::Rgb(128, 128, 128),
                       .background = white,
                       .align = DT_RIGHT});
    const ui::LabelStyle text{.font = ui::SkinFont(ui::FontId::Dialog), .wrap = true};
    lblNotice.Create(hwnd(), Rect::FromBounds(10, 62, 220, 44), L"", text);
    lblContact.Create(hwnd(), Rect::FromBounds(10, 114, 220, 30), kContactText, text);
    lblMail.Create(hwnd(), Rect::FromBounds(10, 150, 220, 16), kVendorMail, text);
    lblWeb.Create(
        hwnd(), Rect::FromBounds(10, 170, 220, 16), kVendorSiteShown,
        {.font = ui::SkinFont(ui::FontId::DialogBold), .cursor = ::LoadCursorW(nullptr, IDC_HAND)});
    lblWeb.onClick = [this] { lblWebClick(); };
    btnOK = ::CreateWindowExW(
        0, L"BUTTON", L"&OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 157, 212, 75,
        25, hwnd(), reinterpret_cast<HMENU>(IDOK), ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(btnOK, WM_SETFONT, reinterpret_cast<WPARAM>(ui::SkinFont(ui::FontId::Dialog)),
                   FALSE);
    ui::OnCommand(btnOK, [this](UINT code) {
        if (code == BN_CLICKED) EndModal(IDOK);
    });
}

void TAbout::FormShow() {
    lblVersion.SetCaption(kVersionText);
    lblNotice.SetCaption(kMakerNotice);
}

int TAbout::ShowAbout(HWND mainWindow) {
    if (centreOnScreen_)
        CenterOnScreen();
    else
        CenterOn(mainWindow);
    return ShowModal();
}

void TAbout::lblWebClick() {
    OpenWebLink(hwnd(), kVendorSite);
}

}  // namespace vix
