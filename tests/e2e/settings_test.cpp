// The settings dialog as a user works it: every control changed and kept
// over a restart, Cancel, Restore Defaults, Clear the Library, and a
// picture of each page.

#include <windows.h>

#include <commctrl.h>

#include "settings/settings.h"
#include "settings_dialog/settings_dialog.h"
#include "color/color_control_ids.h"
#include "vix_fixture.h"

namespace vix::e2e {
namespace {

std::wstring SettingsText(const wchar_t* name) {
    wchar_t buffer[256] = {};
    DWORD size = sizeof(buffer);
    if (::RegGetValueW(HKEY_CURRENT_USER, kSettingsKeyPath, name, RRF_RT_REG_SZ, nullptr, buffer,
                       &size) != ERROR_SUCCESS)
        return L"<none>";
    return buffer;
}

class SettingsDialog : public VixTest {
  protected:
    HWND OpenDialog() {
        LeftClickAt(Center(Control(L"Settings")));
        dialog_ = nullptr;
        EXPECT_TRUE(WaitUntil([&] {
            dialog_ = ::FindWindowW(L"TSettings", L"Settings");
            return dialog_ && ::IsWindowVisible(dialog_);
        }));
        ::Sleep(200);
        return dialog_;
    }
    HWND Item(const wchar_t* caption) const { return FindByText(dialog_, caption); }
    HWND Id(int id) const { return FindById(dialog_, id); }
    void Click(const wchar_t* caption) {
        HWND control = Item(caption);
        ASSERT_NE(control, nullptr) << testing::PrintToString(std::wstring(caption));
        LeftClickAt(Center(control));
        ::Sleep(100);
    }
    bool Checked(const wchar_t* caption) const {
        return ::SendMessageW(Item(caption), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    int Selected(int id) const {
        return static_cast<int>(::SendMessageW(Id(id), CB_GETCURSEL, 0, 0));
    }
    void ClosedWithout() {
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(dialog_); }));
    }

    HWND dialog_ = nullptr;
};

TEST_F(SettingsDialog, EveryControlChangedIsStoredAndShownAgainAfterARestart) {
    StartVix();
    OpenDialog();
    EXPECT_FALSE(::GetWindowLongW(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST)
        << "the main window lies at the bottom while the dialog is open";
    EXPECT_TRUE(SaveWindowShot(dialog_, L"settings-general"));
    Click(L"Remeber last position");
    Click(L"Remember interface layout");
    Click(L"Display InformationBar");

    Click(L"&Next");
    ChooseListItem(Id(kIdSettingsColorValues), 2);
    ChooseListItem(Id(kIdSettingsClipboardFormat), 3);
    Click(L"Automatically copy sampled colors to clipboard");
    ChooseListItem(Id(kIdSettingsExportTo), 1);
    Click(L"Don't add double samples to the library");
    Click(L"Reset on program startup");
    EXPECT_TRUE(SaveWindowShot(dialog_, L"settings-colorpicker"));

    Click(L"&Next");
    ReplaceFieldText(Id(kIdSettingsRulerUnits), L"picas");  // typed, in any case
    ChooseListItem(Id(kIdSettingsRulerColor), 9);           // red
    EXPECT_TRUE(SaveWindowShot(dialog_, L"settings-screen-ruler"));

    Click(L"&Next");
    ReplaceFieldText(Id(kIdSettingsSequenceName), L"Shot");
    ChooseListItem(Id(kIdSettingsSequenceFormat), 1);  // ".png"
    LeftClickAt(Center(Id(kIdSettingsSequenceNumbers)));
    TypeText(L"9");  // taken by nobody
    PressKey(VK_UP);
    PressKey(VK_UP);
    LeftClickAt(Center(Id(kIdSettingsJpegQuality)));
    PressKey(VK_END);
    for (int i = 0; i < 3; ++i)
        PressKey(VK_LEFT);
    ::Sleep(150);
    EXPECT_EQ(TextOf(Id(kIdSettingsExampleName)), L"Shot00001.png");
    EXPECT_TRUE(SaveWindowShot(dialog_, L"settings-screen-capture"));
    Click(L"&OK");
    ClosedWithout();
    EXPECT_TRUE(
        WaitUntil([&] { return (::GetWindowLongW(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }));

    const std::pair<const wchar_t*, DWORD> stored[] = {
        {L"RememberLastVixPosition", 0},
        {L"Rememberinterfacelayout", 0},
        {L"ShowInformationBar", 0},
        {L"DefaultColorValues", 2},
        {L"CPExportFormat", 3},
        {L"AutoSampleToClipboard", 0},
        {L"PSForegroundCol", 0},
        {L"AddDoubleSamples", 1},
        {L"ResetLibraryOnstartup", 1},
        {L"RulerValue", 3},
        {L"RulerColor", 0x0000FF},
        {L"ImgNr", 5},
        {L"JPGQuality", 7},
        {L"ImgFormat", 1},
    };
    for (const auto& [name, value] : stored)
        EXPECT_EQ(SettingsDword(name), value) << testing::PrintToString(std::wstring(name));
    EXPECT_EQ(SettingsText(L"ImgName"), L"Shot");

    CloseVix();
    StartVix();
    OpenDialog();
    EXPECT_FALSE(Checked(L"Remeber last position"));
    EXPECT_FALSE(Checked(L"Remember interface layout"));
    EXPECT_FALSE(Checked(L"Display InformationBar"));
    EXPECT_EQ(Selected(kIdSettingsColorValues), 2);
    EXPECT_EQ(Selected(kIdSettingsClipboardFormat), 3);
    EXPECT_FALSE(Checked(L"Automatically copy sampled colors to clipboard"));
    EXPECT_EQ(Selected(kIdSettingsExportTo), 1);
    EXPECT_FALSE(Checked(L"Don't add double samples to the library"));
    EXPECT_TRUE(Checked(L"Reset on program startup"));
    EXPECT_EQ(TextOf(Id(kIdSettingsRulerUnits)), L"Picas");
    EXPECT_EQ(Selected(kIdSettingsRulerColor), 9);
    EXPECT_EQ(TextOf(Id(kIdSettingsSequenceName)), L"Shot");
    EXPECT_EQ(Selected(kIdSettingsSequenceFormat), 1);
    EXPECT_EQ(TextOf(Id(kIdSettingsSequenceNumbers)), L"5");
    EXPECT_EQ(::SendMessageW(Id(kIdSettingsJpegQuality), TBM_GETPOS, 0, 0), 7);
    Click(L"&Cancel");
    ClosedWithout();
}

TEST_F(SettingsDialog, CancelStoresNothingAndRestoreDefaultsStaysAfterCancel) {
    SetSettingsDword(L"ImgNr", 7);
    StartVix();
    OpenDialog();
    Click(L"Display InformationBar");
    Click(L"&Cancel");
    ClosedWithout();
    EXPECT_EQ(SettingsDword(L"ShowInformationBar"), 1u);
    OpenDialog();
    EXPECT_TRUE(Checked(L"Display InformationBar"));
    EXPECT_EQ(TextOf(Id(kIdSettingsSequenceNumbers)), L"7");
    Click(L"&Restore Defaults");
    EXPECT_TRUE(WaitUntil([&] { return TextOf(Id(kIdSettingsSequenceNumbers)) == L"3"; }));
    EXPECT_EQ(SettingsDword(L"ImgNr"), 3u);
    Click(L"&Cancel");
    ClosedWithout();
    EXPECT_EQ(SettingsDword(L"ImgNr"), 3u);
    OpenDialog();
    EXPECT_EQ(TextOf(Id(kIdSettingsSequenceNumbers)), L"3");
    Click(L"&Cancel");
}

TEST_F(SettingsDialog, ClearTheLibraryEmptiesTheGridAndTheRecordAtOnce) {
    std::vector<BYTE> record(106, 0);
    record[0] = 10, record[1] = 20, record[2] = 30, record[105] = 1;
    SetRegistryBinary(kColorLibraryKeyPath, L"Sampled colors", record);
    SetSettingsDword(L"_tab_ColorLibPage", 1);
    StartVix();
    const RECT g = ScreenRect(FindById(Main(), kIdLibraryGrid));
    ASSERT_TRUE(WaitUntil([&] {
        return ScreenPixel({g.left + 5, g.top + 5}) == 0x0A141Eu;
    })) << ScreenPixel({g.left + 5, g.top + 5});
    OpenDialog();
    Click(L"&Next");
    Click(L"Clear the &Library");
    EXPECT_TRUE(WaitUntil([&] {
        return RegistryBinary(kColorLibraryKeyPath, L"Sampled colors") == std::vector<BYTE>(106, 0);
    }));
    Click(L"&Cancel");
    ClosedWithout();
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel({g.left + 5, g.top + 5}) == 0xFFFFFFu; }));
    EXPECT_FALSE(::IsWindowEnabled(Control(L"Save Color Libray as .act")));
}

}  // namespace
}  // namespace vix::e2e
