// The controls of the settings dialog's four pages.

#include "settings_dialog/settings_dialog.h"

#include <commctrl.h>

#include "ui/edit_keys.h"
#include "ui/skin.h"
#include "ui/standard_controls.h"

namespace vix {
namespace {

constexpr int kFieldLeft = 118;
constexpr int kFieldWidth = 174;

HFONT DialogFont() { return ui::SkinFont(ui::FontId::Dialog); }

HWND Control(HWND page, const wchar_t* cls, std::wstring_view text, DWORD style, const Rect& bounds,
             int id = 0) {
    return ui::CreateStandardControl(page, cls, text, style, bounds, id, DialogFont());
}

HWND Group(HWND page, const wchar_t* caption, const Rect& bounds) {
    return Control(page, L"BUTTON", caption, BS_GROUPBOX, bounds);
}

HWND StaticText(HWND page, std::wstring_view text, const Rect& bounds, int id = 0) {
    return Control(page, L"STATIC", text, SS_NOPREFIX, bounds, id);
}

HWND CheckBox(HWND page, const wchar_t* caption, const Rect& bounds) {
    return Control(page, L"BUTTON", caption, WS_TABSTOP | BS_AUTOCHECKBOX, bounds);
}

HWND List(HWND page, int id, const Rect& bounds, std::span<const wchar_t* const> items,
          DWORD kind = CBS_DROPDOWNLIST) {
    Rect open = bounds;
    open.bottom = bounds.top + 160;
    HWND list = Control(page, L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | kind, open, id);
    for (const wchar_t* item : items)
        ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    return list;
}

// The information icon beside a note; its window text is its hint.
void InfoNote(HWND page, int top, const wchar_t* note) {
    HWND icon =
        Control(page, L"STATIC", L"Information", SS_ICON, Rect::FromBounds(16, top, 32, 32));
    ::SendMessageW(icon, STM_SETICON,
                   reinterpret_cast<WPARAM>(::LoadIconW(nullptr, IDI_INFORMATION)), 0);
    StaticText(page, note, Rect::FromBounds(56, top, 236, 40));
}

}  // namespace

void TSettings::BuildGeneralPage(HWND page) {
    Group(page, L"Startup", Rect::FromBounds(8, 14, 292, 62));
    chkRememberPosition =
        CheckBox(page, L"Remeber last position", Rect::FromBounds(16, 30, 270, 18));
    chkRememberinterfacelayout =
        CheckBox(page, L"Remember interface layout", Rect::FromBounds(16, 50, 270, 18));
    Group(page, L"Export to Photoshop", Rect::FromBounds(8, 80, 292, 52));
    lbPSVersion = List(page, kIdSettingsPhotoshopVersion, Rect::FromBounds(16, 100, 160, 21), {});
    Group(page, L"InformationBar", Rect::FromBounds(8, 136, 292, 44));
    chkInfoBar = CheckBox(page, L"Display InformationBar", Rect::FromBounds(16, 154, 270, 18));
    // The hot keys that do nothing (their combination types a character on
    // one of the user's keyboard layouts, or another program holds it), so
    // that nobody wonders why a key does nothing.
    Group(page, L"Hot keys", Rect::FromBounds(8, 184, 292, 108));
    lblHotKeysLeftOut =
        StaticText(page, L"", Rect::FromBounds(16, 202, 276, 84), kIdSettingsHotKeysLeftOut);
}

void TSettings::BuildColorpickerPage(HWND page) {
    Group(page, L"General Colorpicker Settings ", Rect::FromBounds(8, 14, 292, 132));
    StaticText(page, L"Color values", Rect::FromBounds(16, 34, 100, 16));
    lstColorValues = List(page, kIdSettingsColorValues,
                          Rect::FromBounds(kFieldLeft, 30, kFieldWidth, 21), kColorValueItems);
    StaticText(page, L"Clipboard format", Rect::FromBounds(16, 60, 100, 16));
    lstClipboardFormat =
        List(page, kIdSettingsClipboardFormat, Rect::FromBounds(kFieldLeft, 56, kFieldWidth, 21),
             kClipboardFormatItems);
    chkAutoSampleToClipboard = CheckBox(page, L"Automatically copy sampled colors to clipboard",
                                        Rect::FromBounds(16, 82, 276, 18));
    InfoNote(page, 106,
             L"Selecting this option will replace the data in the clipboard everytime a color "
             L"is sampled.");
    Group(page, L"Photoshop Settings", Rect::FromBounds(8, 150, 292, 48));
    StaticText(page, L"Export to", Rect::FromBounds(16, 172, 100, 16));
    lstExportTo = List(page, kIdSettingsExportTo,
                       Rect::FromBounds(kFieldLeft, 168, kFieldWidth, 21), kExportToItems);
    Group(page, L"Color Library", Rect::FromBounds(8, 202, 292, 92));
    chkNoDoubleSamples = CheckBox(page, L"Don't add double samples to the library",
                                  Rect::FromBounds(16, 220, 276, 18));
    chkResetLibrary =
        CheckBox(page, L"Reset on program startup", Rect::FromBounds(16, 240, 276, 18));
    btnClearLibrary = Control(page, L"BUTTON", L"Clear the &Library", WS_TABSTOP,
                              Rect::FromBounds(16, 266, 120, 24));
    ui::OnClick(btnClearLibrary, [this] { btnClearLibraryClick(); });
    // The value-form and clipboard lists change nothing until OK.
    for (HWND list : {lstColorValues, lstClipboardFormat})
        ui::OnCommand(list, [](UINT) {});
}

void TSettings::BuildScreenRulerPage(HWND page) {
    Group(page, L"General Screen ruler Settings", Rect::FromBounds(8, 14, 292, 78));
    StaticText(page, L"Ruler units", Rect::FromBounds(16, 36, 100, 16));
    lstRulerUnits =
        List(page, kIdSettingsRulerUnits, Rect::FromBounds(kFieldLeft, 32, kFieldWidth, 21),
             kRulerUnitItems, CBS_DROPDOWN);
    StaticText(page, L"Ruler color", Rect::FromBounds(16, 64, 100, 16));
    lstRulerColor =
        List(page, kIdSettingsRulerColor, Rect::FromBounds(kFieldLeft, 60, kFieldWidth, 21), {},
             CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS);
}

void TSettings::BuildScreenCapturePage(HWND page) {
    Group(page, L"Sequence capture Settings", Rect::FromBounds(8, 14, 292, 170));
    StaticText(page, L"Filename", Rect::FromBounds(16, 36, 100, 16));
    edtSequenceName =
        Control(page, L"EDIT", L"Img_Sequence", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
                Rect::FromBounds(kFieldLeft, 32, kFieldWidth, 21), kIdSettingsSequenceName);
    StaticText(page, L"Format", Rect::FromBounds(16, 62, 100, 16));
    lstSequenceFormat = List(page, kIdSettingsSequenceFormat,
                             Rect::FromBounds(kFieldLeft, 58, kFieldWidth, 21), kSequenceEndings);
    StaticText(page, L"Numbers", Rect::FromBounds(16, 88, 100, 16));
    BuildSpinField(page);
    StaticText(page, L"Example:", Rect::FromBounds(16, 114, 100, 16));
    lblExampleStr = StaticText(page, L"", Rect::FromBounds(kFieldLeft, 114, kFieldWidth, 16),
                               kIdSettingsExampleName);
    InfoNote(page, 138, L"The \"Export Folder\" only applies to captured image sequences.");
    ui::OnCommand(edtSequenceName, [this](UINT code) {
        if (code == EN_CHANGE) ChangeButton();
    });
    ui::OnCommand(lstSequenceFormat, [this](UINT code) {
        if (code == CBN_SELCHANGE) ChangeButton();
    });

    Group(page, L"JPEG Output settings", Rect::FromBounds(8, 190, 292, 84));
    StaticText(page, L"Qualty:", Rect::FromBounds(16, 212, 50, 16));
    trkJpegQuality = Control(page, TRACKBAR_CLASSW, L"", WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS,
                             Rect::FromBounds(66, 208, 220, 30), kIdSettingsJpegQuality);
    ::SendMessageW(trkJpegQuality, TBM_SETRANGE, TRUE, MAKELPARAM(kMinJpgQuality, kMaxJpgQuality));
    StaticText(page, L"Min", Rect::FromBounds(70, 244, 30, 16));
    StaticText(page, L"Max", Rect::FromBounds(256, 244, 30, 16));
}

void TSettings::BuildSpinField(HWND page) {
    edtSequenceDigits =
        Control(page, L"EDIT", L"3", WS_TABSTOP | WS_BORDER | ES_NUMBER,
                Rect::FromBounds(kFieldLeft, 84, 60, 21), kIdSettingsSequenceNumbers);
    SpinButtons = Control(page, UPDOWN_CLASSW, L"",
                          UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                          Rect::FromBounds(0, 0, 16, 21));
    ::SendMessageW(SpinButtons, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edtSequenceDigits), 0);
    ::SendMessageW(SpinButtons, UDM_SETRANGE32, kMinImgNr, kMaxImgNr);
    // SpinEdit1KeyPress: typed characters never reach the field.
    ui::OnEditChar(edtSequenceDigits, [](wchar_t c) { return !SpinFieldAcceptsCharacter(c); });
    ui::OnCommand(edtSequenceDigits, [this](UINT code) {
        if (code == EN_CHANGE) edtSequenceDigitsChange();
    });
}

}  // namespace vix
