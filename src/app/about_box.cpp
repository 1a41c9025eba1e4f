#include "app/about_box.h"

#include <shellapi.h>

#include "app/vendor.h"
#include "update/links_panel.h"
#include "ui/skin.h"
#include "ui/standard_controls.h"

namespace vix {

void TAbout::Create(HWND owner) { CreateDialogForm(L"TAbout", L"About vix", {240, 245}, owner); }

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
    btnOK = ui::CreateStandardControl(hwnd(), L"BUTTON", L"&OK", WS_TABSTOP | BS_DEFPUSHBUTTON,
                                      Rect::FromBounds(157, 212, 75, 25), IDOK,
                                      ui::SkinFont(ui::FontId::Dialog));
    ui::OnClick(btnOK, [this] { EndModal(IDOK); });
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

void TAbout::lblWebClick() { OpenWebLink(hwnd(), kVendorSite); }

}  // namespace vix
