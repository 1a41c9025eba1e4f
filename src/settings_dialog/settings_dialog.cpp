// The settings dialog's frame, its opening and closing, and its handlers.

#include "settings_dialog/settings_dialog.h"
#include "platform/system_libraries.h"

#include <commctrl.h>

#include "common/program_names.h"
#include "settings/settings_table.h"
#include "settings_dialog/ruler_colors.h"
#include "ui/skin.h"
#include "ui/standard_controls.h"

namespace vix {
namespace {

HWND Button(HWND parent, const wchar_t* caption, const Rect& bounds, DWORD style = 0, int id = 0) {
    return ui::CreateStandardControl(parent, L"BUTTON", caption, WS_TABSTOP | style, bounds, id,
                                     ui::SkinFont(ui::FontId::Dialog));
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
    CreateDialogForm(L"TSettings", L"Settings", {407, 316}, owner);
}

// The dialog holds most of the program's controls and most starts never
// open it: they are made when it first shows, so that they do not delay the
// main window.
void TSettings::CreateContent() {
    BuildFrame();
    BuildPages();
}

void TSettings::BuildPages() {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                       ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    platform::late::InitCommonControlsEx(&classes);
    BuildGeneralPage(pages_[0].hwnd());
    BuildColorpickerPage(pages_[1].hwnd());
    BuildScreenRulerPage(pages_[2].hwnd());
    BuildScreenCapturePage(pages_[3].hwnd());
    BuildToolPages();
}

void TSettings::BuildToolPages() {
    if (!services_.toolSettings) return;
    for (const SettingGroup& group : services_.toolSettings()) {
        if (!ToolSettingsPage::HasFields(group)) continue;
        auto page = std::make_unique<ToolPage>(group);
        SetUpPage(page->panel);
        page->fields.Build(
            page->panel.hwnd(),
            kIdSettingsToolFieldFirst + static_cast<int>(toolPages_.size()) * kToolFieldsPerPage);
        ::SendMessageW(lstSettingsSelect, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(page->fields.Name()));
        toolPages_.push_back(std::move(page));
    }
}

SettingsPagePanel& TSettings::PagePanel(int index) {
    if (index < kSettingsPageCount) return pages_[static_cast<std::size_t>(index)];
    return toolPages_[static_cast<std::size_t>(index - kSettingsPageCount)]->panel;
}

void TSettings::BuildFrame() {
    pnlFrame.Create(hwnd(), Rect::FromBounds(4, 13, 311, 301), L"", {.bevel = ui::Bevel::Lowered});
    // The page selector stands on the frame's top edge.
    ::SetWindowLongPtrW(pnlFrame.hwnd(), GWL_STYLE,
                        ::GetWindowLongPtrW(pnlFrame.hwnd(), GWL_STYLE) | WS_CLIPSIBLINGS);
    for (SettingsPagePanel& page : pages_)
        SetUpPage(page);
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
    btnRestoreDefaults = Button(hwnd(), L"&Restore Defaults", Rect::FromBounds(318, 293, 88, 20));
    ui::OnClick(btnSettingsOK, [this] { btnSettingsOKClick(); });
    ui::OnClick(btnSettingsCancel, [this] { btnSettingsCancelClick(); });
    ui::OnClick(btnSettingsPrev, [this] { btnSettingsPrevClick(); });
    ui::OnClick(btnSettingsNext, [this] { btnSettingsNextClick(); });
    ui::OnClick(btnRestoreDefaults, [this] { btnRestoreDefaultsClick(); });
}

void TSettings::SetUpPage(SettingsPagePanel& page) {
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

void TSettings::FormShow() {
    ShowPage(SettingsPage::General);
    FillControls();
    ShowExampleName();
    FillPhotoshopVersions();
}

void TSettings::FormHide() { versions_ = {}; }

void TSettings::FillControls() {
    filling_ = true;
    const SettingsDialogState d = FillSettingsDialog(services_.settings());
    ui::SetChecked(chkRememberPosition, d.chkRememberPosition);
    ui::SetChecked(chkRememberinterfacelayout, d.chkRememberinterfacelayout);
    ui::SetChecked(chkInfoBar, d.chkInfoBar);
    Select(lstColorValues, d.lstColorValues);
    Select(lstClipboardFormat, d.lstClipboardFormat);
    ui::SetChecked(chkAutoSampleToClipboard, d.chkAutoSampleToClipboard);
    Select(lstExportTo, d.lstExportTo);
    ui::SetChecked(chkNoDoubleSamples, d.chkNoDoubleSamples);
    ui::SetChecked(chkResetLibrary, d.chkResetLibrary);
    Select(lstRulerUnits, RulerUnitIndex(d.lstRulerUnits));
    ::SetWindowTextW(lstRulerUnits, d.lstRulerUnits.c_str());
    FillRulerColors(d.lstRulerColor);
    ::SetWindowTextW(edtSequenceName, d.edtSequenceName.c_str());
    Select(lstSequenceFormat, d.lstSequenceFormat);
    ::SetWindowTextW(edtSequenceDigits, d.edtSequenceDigits.c_str());
    lastSpinText_ = d.edtSequenceDigits;
    ::SendMessageW(trkJpegQuality, TBM_SETPOS, TRUE, d.trkJpegQuality);
    if (services_.hotKeysLeftOut)
        ::SetWindowTextW(lblHotKeysLeftOut, services_.hotKeysLeftOut().c_str());
    for (const auto& page : toolPages_)
        page->fields.Fill(services_.settings());
    filling_ = false;
}

void TSettings::FillPhotoshopVersions() {
    ::SendMessageW(lbPSVersion, CB_RESETCONTENT, 0, 0);
    std::vector<std::wstring> names;
    if (services_.installedPhotoshopVersions) names = services_.installedPhotoshopVersions();
    versions_ = ListPhotoshopVersions(names, services_.settings().photoshopVersion);
    for (const std::wstring& label : versions_.labels)
        ::SendMessageW(lbPSVersion, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    Select(lbPSVersion, versions_.selected);
}

SettingsDialogState TSettings::ReadControls() const {
    SettingsDialogState d;
    d.chkRememberPosition = ui::IsChecked(chkRememberPosition);
    d.chkRememberinterfacelayout = ui::IsChecked(chkRememberinterfacelayout);
    d.chkInfoBar = ui::IsChecked(chkInfoBar);
    d.lstColorValues = Selected(lstColorValues);
    d.lstClipboardFormat = Selected(lstClipboardFormat);
    d.chkAutoSampleToClipboard = ui::IsChecked(chkAutoSampleToClipboard);
    d.lstExportTo = Selected(lstExportTo);
    d.chkNoDoubleSamples = ui::IsChecked(chkNoDoubleSamples);
    d.chkResetLibrary = ui::IsChecked(chkResetLibrary);
    d.lstRulerUnits = TextOf(lstRulerUnits);
    const int color = Selected(lstRulerColor);
    d.lstRulerColor = static_cast<std::uint32_t>(::SendMessageW(
        lstRulerColor, CB_GETITEMDATA, static_cast<WPARAM>(color < 0 ? 0 : color), 0));
    d.edtSequenceName = TextOf(edtSequenceName);
    d.lstSequenceFormat = Selected(lstSequenceFormat);
    d.edtSequenceDigits = TextOf(edtSequenceDigits);
    d.trkJpegQuality = static_cast<int>(::SendMessageW(trkJpegQuality, TBM_GETPOS, 0, 0));
    return d;
}

void TSettings::ShowPage(SettingsPage page) {
    page_ = page;
    Select(lstSettingsSelect, static_cast<int>(page));
    for (int i = 0; i < PageCount(); ++i)
        PagePanel(i).SetVisible(false);
    SettingsPagePanel& shown = PagePanel(static_cast<int>(page));
    shown.BringToFront();
    shown.SetVisible(true);
    // The pages lie on one another: the shown one is drawn whole again, so
    // that nothing of the one before stays on the screen.
    ::RedrawWindow(shown.hwnd(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TSettings::lstSettingsSelectChange() {
    const int chosen = Selected(lstSettingsSelect);
    if (chosen >= 0 && chosen < PageCount()) ShowPage(static_cast<SettingsPage>(chosen));
}

void TSettings::btnSettingsNextClick() { ShowPage(NextSettingsPage(page_, PageCount())); }
void TSettings::btnSettingsPrevClick() { ShowPage(PrevSettingsPage(page_, PageCount())); }

bool TSettings::ToolFieldsAccepted() {
    for (std::size_t i = 0; i < toolPages_.size(); ++i) {
        const SettingDef* refused = toolPages_[i]->fields.Refused();
        if (!refused) continue;
        ShowPage(static_cast<SettingsPage>(kSettingsPageCount + static_cast<int>(i)));
        const std::wstring text =
            L"\"" + std::wstring(refused->caption) + L"\" cannot take what is typed there.";
        ::MessageBoxW(hwnd(), text.c_str(), kApplicationTitle, MB_OK | MB_ICONWARNING);
        ::SetFocus(toolPages_[i]->fields.ControlOf(*refused));
        return false;
    }
    return true;
}

void TSettings::btnSettingsOKClick() {
    const SettingsDialogState state = ReadControls();
    // A name the sequence's files cannot carry would be stored, read back as
    // the default and so changed without a word: it is refused here instead.
    const SettingDef& name = Setting(SettingId::SequenceName);
    if (name.accepts && !name.accepts(state.edtSequenceName)) {
        ShowPage(SettingsPage::ScreenCapture);
        ::MessageBoxW(hwnd(), kBadSequenceName, kApplicationTitle, MB_OK | MB_ICONWARNING);
        ::SetFocus(edtSequenceName);
        return;
    }
    if (!ToolFieldsAccepted()) return;
    Settings& settings = services_.settings();
    ApplySettingsDialog(state, settings);
    for (const auto& page : toolPages_)
        page->fields.Apply(settings);
    versions_.selected = Selected(lbPSVersion);
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

void TSettings::btnClearLibraryClick() { services_.clearColorLibrary(); }

void TSettings::btnRestoreDefaultsClick() {
    registry_.DeleteTree(RegistryRoot::CurrentUser, kSettingsKeyPath);
    services_.loadSettings();
    FillControls();
    ShowExampleName();
    FillPhotoshopVersions();
}

void TSettings::ChangeButton() { ShowExampleName(); }

void TSettings::ShowExampleName() {
    ::SetWindowTextW(lblExampleStr,
                     ExampleFileName(TextOf(edtSequenceName), TextOf(edtSequenceDigits),
                                     TextOf(lstSequenceFormat))
                         .c_str());
}

void TSettings::edtSequenceDigitsChange() {
    if (filling_) return;
    const std::wstring text = TextOf(edtSequenceDigits);
    const bool digitsOnly =
        !text.empty() && text.find_first_not_of(L"0123456789") == std::wstring::npos;
    // Only the buttons and the arrow keys change the field; anything else
    // that reached it (a paste from its menu) is undone.
    if (!digitsOnly || text.size() > 2 || SpinFieldNumber(text) != std::stoi(text)) {
        ::SetWindowTextW(edtSequenceDigits, lastSpinText_.c_str());
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
