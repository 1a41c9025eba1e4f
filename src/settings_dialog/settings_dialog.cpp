// The settings dialog's frame, its opening and closing, and its handlers.

#include "settings_dialog/settings_dialog.h"

#include <commctrl.h>

#include "settings_dialog/ruler_colors.h"
#include "ui/skin.h"
#include "ui/standard_controls.h"

namespace vix {
namespace {

HWND Button(HWND parent, const wchar_t* caption, const Rect& bounds, DWORD style = 0, int id = 0) {
    return ui::CreateStandardControl(parent, L"BUTTON", caption, WS_TABSTOP | style, bounds, id,
                                     ui::SkinFont(ui::FontId::Dialog));
}

void OnClick(HWND button, std::function<void()> handler) {
    ui::OnCommand(button, [handler = std::move(handler)](UINT code) {
        if (code == BN_CLICKED) handler();
    });
}

bool Checked(HWND box) { return ::SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void Check(HWND box, bool on) {
    ::SendMessageW(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}
int Selected(HWND list) { return static_cast<int>(::SendMessageW(list, CB_GETCURSEL, 0, 0)); }
void Select(HWND list, int index) {
    ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

LRESULT SettingsPagePanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (onMessage && onMessage(message, wParam, lParam, result)) return result;
    return ui::Panel::HandleMessage(message, wParam, lParam);
}

void TSettings::Create(HWND owner) {
    CreateForm({.className = L"TSettings",
                .caption = L"Settings",
                .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                .exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
                .client = {407, 316},
                .owner = owner,
                .dialogKeys = true});
    BuildFrame();
}

void TSettings::BuildPages() {
    // The pages hold most of the program's controls and most starts never
    // open this dialog: they are made when it first shows, so that they do
    // not delay the main window.
    if (pagesBuilt_) return;
    pagesBuilt_ = true;
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                       ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&classes);
    BuildGeneralPage(pages_[0].hwnd());
    BuildColorpickerPage(pages_[1].hwnd());
    BuildScreenRulerPage(pages_[2].hwnd());
    BuildScreenCapturePage(pages_[3].hwnd());
}

void TSettings::BuildFrame() {
    pnlFrame.Create(hwnd(), Rect::FromBounds(4, 13, 311, 301), L"", {.bevel = ui::Bevel::Lowered});
    // The page selector stands on the frame's top edge.
    ::SetWindowLongPtrW(pnlFrame.hwnd(), GWL_STYLE,
                        ::GetWindowLongPtrW(pnlFrame.hwnd(), GWL_STYLE) | WS_CLIPSIBLINGS);
    for (SettingsPagePanel& page : pages_) {
        page.onMessage = [this](UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
            if (message == WM_MEASUREITEM) {
                reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 16;
                result = TRUE;
                return true;
            }
            if (message == WM_DRAWITEM) {
                result = TRUE;
                return DrawColorItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            }
            return false;
        };
        page.Create(pnlFrame.hwnd(), Rect::FromBounds(1, 1, 308, 298), L"", {});
        page.SetBackground(ui::FaceColor());
        // Group boxes leave their inside to the page: the page paints under
        // its children, as a dialog does, or the inside of a group would
        // keep whatever was on the screen before.
        ::SetWindowLongPtrW(page.hwnd(), GWL_STYLE,
                            ::GetWindowLongPtrW(page.hwnd(), GWL_STYLE) & ~WS_CLIPCHILDREN);
    }
    lstSettingsSelect = ui::CreateStandardControl(
        hwnd(), L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
        Rect::FromBounds(10, 5, 105, 120), kIdSettingsSelect, ui::SkinFont(ui::FontId::Dialog));
    for (const wchar_t* name : kSettingsPageNames)
        ::SendMessageW(lstSettingsSelect, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    ::SetWindowPos(lstSettingsSelect, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ui::OnCommand(lstSettingsSelect, [this](UINT code) {
        if (code == CBN_SELCHANGE) lstSettingsSelectChange();
    });

    btnSettingsOK =
        Button(hwnd(), L"&OK", Rect::FromBounds(318, 13, 88, 20), BS_DEFPUSHBUTTON, IDOK);
    btnSettingsCancel = Button(hwnd(), L"&Cancel", Rect::FromBounds(318, 36, 88, 20));
    btnSettingsPrev = Button(hwnd(), L"&Prev", Rect::FromBounds(318, 85, 88, 20));
    btnSettingsNext = Button(hwnd(), L"&Next", Rect::FromBounds(318, 108, 88, 20));
    Button2 = Button(hwnd(), L"&Restore Defaults", Rect::FromBounds(318, 293, 88, 20));
    OnClick(btnSettingsOK, [this] { btnSettingsOKClick(); });
    OnClick(btnSettingsCancel, [this] { btnSettingsCancelClick(); });
    OnClick(btnSettingsPrev, [this] { btnSettingsPrevClick(); });
    OnClick(btnSettingsNext, [this] { btnSettingsNextClick(); });
    OnClick(Button2, [this] { Button2Click(); });
}

void TSettings::FormShow() {
    BuildPages();
    ShowPage(SettingsPage::General);
    FillControls();
    ShowExampleName();
    FillPhotoshopVersions();
}

void TSettings::FormHide() { versions_ = {}; }

void TSettings::FillControls() {
    filling_ = true;
    const SettingsDialogState d = FillSettingsDialog(services_.settings());
    Check(chkRemeberlastposition, d.chkRemeberlastposition);
    Check(chkRememberinterfacelayout, d.chkRememberinterfacelayout);
    Check(chkInfoBar, d.chkInfoBar);
    Select(ComboBox3, d.ComboBox3);
    Select(ComboBox1, d.ComboBox1);
    Check(chkAutoSampleToClipboard, d.chkAutoSampleToClipboard);
    Select(ComboBox2, d.ComboBox2);
    Check(CheckBox1, d.CheckBox1);
    Check(CheckBox2, d.CheckBox2);
    Select(lstRulerUnits, RulerUnitIndex(d.lstRulerUnits));
    ::SetWindowTextW(lstRulerUnits, d.lstRulerUnits.c_str());
    FillRulerColors(d.lstRulerColor);
    ::SetWindowTextW(Edit4, d.Edit4.c_str());
    Select(ComboBox5, d.ComboBox5);
    ::SetWindowTextW(SpinEdit1, d.SpinEdit1.c_str());
    lastSpinText_ = d.SpinEdit1;
    ::SendMessageW(TrackBar1, TBM_SETPOS, TRUE, d.TrackBar1);
    if (services_.hotKeysLeftOut)
        ::SetWindowTextW(lblHotKeysLeftOut, services_.hotKeysLeftOut().c_str());
    filling_ = false;
}

void TSettings::FillPhotoshopVersions() {
    ::SendMessageW(lbPSVerion, CB_RESETCONTENT, 0, 0);
    std::vector<std::wstring> names;
    if (services_.installedPhotoshopVersions) names = services_.installedPhotoshopVersions();
    versions_ = ListPhotoshopVersions(names, services_.settings().photoshopVersion);
    for (const std::wstring& label : versions_.labels)
        ::SendMessageW(lbPSVerion, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    Select(lbPSVerion, versions_.selected);
}

SettingsDialogState TSettings::ReadControls() const {
    SettingsDialogState d;
    d.chkRemeberlastposition = Checked(chkRemeberlastposition);
    d.chkRememberinterfacelayout = Checked(chkRememberinterfacelayout);
    d.chkInfoBar = Checked(chkInfoBar);
    d.ComboBox3 = Selected(ComboBox3);
    d.ComboBox1 = Selected(ComboBox1);
    d.chkAutoSampleToClipboard = Checked(chkAutoSampleToClipboard);
    d.ComboBox2 = Selected(ComboBox2);
    d.CheckBox1 = Checked(CheckBox1);
    d.CheckBox2 = Checked(CheckBox2);
    d.lstRulerUnits = TextOf(lstRulerUnits);
    const int color = Selected(lstRulerColor);
    d.lstRulerColor = static_cast<std::uint32_t>(::SendMessageW(
        lstRulerColor, CB_GETITEMDATA, static_cast<WPARAM>(color < 0 ? 0 : color), 0));
    d.Edit4 = TextOf(Edit4);
    d.ComboBox5 = Selected(ComboBox5);
    d.SpinEdit1 = TextOf(SpinEdit1);
    d.TrackBar1 = static_cast<int>(::SendMessageW(TrackBar1, TBM_GETPOS, 0, 0));
    return d;
}

void TSettings::ShowPage(SettingsPage page) {
    page_ = page;
    Select(lstSettingsSelect, static_cast<int>(page));
    for (SettingsPagePanel& panel : pages_)
        panel.SetVisible(false);
    SettingsPagePanel& shown = pages_[static_cast<std::size_t>(page)];
    shown.BringToFront();
    shown.SetVisible(true);
    // The pages lie on one another: the shown one is drawn whole again, so
    // that nothing of the one before stays on the screen.
    ::RedrawWindow(shown.hwnd(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TSettings::lstSettingsSelectChange() {
    const int chosen = Selected(lstSettingsSelect);
    if (chosen >= 0 && chosen < kSettingsPageCount) ShowPage(static_cast<SettingsPage>(chosen));
}

void TSettings::btnSettingsNextClick() { ShowPage(NextSettingsPage(page_)); }
void TSettings::btnSettingsPrevClick() { ShowPage(PrevSettingsPage(page_)); }

void TSettings::btnSettingsOKClick() {
    Settings& settings = services_.settings();
    ApplySettingsDialog(ReadControls(), settings);
    versions_.selected = Selected(lbPSVerion);
    if (VersionChoiceNeeded(versions_, settings.photoshopVersion)) {
        if (services_.choosePhotoshopVersion) {
            services_.choosePhotoshopVersion(versions_);
        } else {
            settings.photoshopVersion = versions_.SelectedKey();
            settings.lastListedPhotoshopVersion = versions_.keyNames.back();
        }
    }
    services_.saveSettings();
    services_.loadSettings();
    EndModal(IDOK);
}

void TSettings::btnSettingsCancelClick() { EndModal(IDCANCEL); }

void TSettings::Button1Click() { services_.clearColorLibrary(); }

void TSettings::Button2Click() {
    registry_.DeleteTree(RegistryRoot::CurrentUser, kSettingsKeyPath);
    services_.loadSettings();
    FillControls();
    ShowExampleName();
    FillPhotoshopVersions();
}

void TSettings::ChangeButton() { ShowExampleName(); }

void TSettings::ShowExampleName() {
    ::SetWindowTextW(lblExampleStr,
                     ExampleFileName(TextOf(Edit4), TextOf(SpinEdit1), TextOf(ComboBox5)).c_str());
}

void TSettings::SpinEdit1Change() {
    if (filling_) return;
    const std::wstring text = TextOf(SpinEdit1);
    const bool digitsOnly =
        !text.empty() && text.find_first_not_of(L"0123456789") == std::wstring::npos;
    // Only the buttons and the arrow keys change the field; anything else
    // that reached it (a paste from its menu) is undone.
    if (!digitsOnly || text.size() > 2 || SpinFieldNumber(text) != std::stoi(text)) {
        ::SetWindowTextW(SpinEdit1, lastSpinText_.c_str());
        return;
    }
    lastSpinText_ = text;
    ShowExampleName();
}

void TSettings::FillRulerColors(std::uint32_t color) {
    ::SendMessageW(lstRulerColor, CB_RESETCONTENT, 0, 0);
    int selected = -1;
    const auto add = [this](const wchar_t* name, std::uint32_t value) {
        const LRESULT at =
            ::SendMessageW(lstRulerColor, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        ::SendMessageW(lstRulerColor, CB_SETITEMDATA, static_cast<WPARAM>(at), value);
        return static_cast<int>(at);
    };
    bool standard = false;
    for (const NamedColor& c : kRulerColors)
        standard |= c.color == (color & 0xFFFFFF);
    if (!standard) selected = add(L"Custom", color & 0xFFFFFF);
    for (const NamedColor& c : kRulerColors) {
        const int at = add(c.name, c.color);
        if (c.color == (color & 0xFFFFFF)) selected = at;
    }
    Select(lstRulerColor, selected);
}

bool TSettings::DrawColorItem(const DRAWITEMSTRUCT& item) {
    if (item.hwndItem != lstRulerColor) return false;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    ::SetBkColor(item.hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    ::SetTextColor(item.hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    ::ExtTextOutW(item.hDC, 0, 0, ETO_OPAQUE, &item.rcItem, nullptr, 0, nullptr);
    if (item.itemID == static_cast<UINT>(-1)) return true;
    // The items hold colour words as the setting stores them.
    const platform::GdiColor color = ui::ColorFromSetting(
        static_cast<std::uint32_t>(::SendMessageW(lstRulerColor, CB_GETITEMDATA, item.itemID, 0)));
    RECT swatch{item.rcItem.left + 2, item.rcItem.top + 2, item.rcItem.left + 22,
                item.rcItem.bottom - 2};
    ::FrameRect(item.hDC, &swatch, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::InflateRect(&swatch, -1, -1);
    ::SetBkColor(item.hDC, color.Ref());
    ::ExtTextOutW(item.hDC, 0, 0, ETO_OPAQUE, &swatch, nullptr, 0, nullptr);
    ::SetBkColor(item.hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    wchar_t name[32] = {};
    ::SendMessageW(lstRulerColor, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(name));
    RECT text = item.rcItem;
    text.left += 28;
    ::DrawTextW(item.hDC, name, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    return true;
}

}  // namespace vix
