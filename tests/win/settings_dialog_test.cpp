// The settings dialog on its own, over an in-memory registry: filled from
// the settings, written back on OK, pages, the spin field, the example name,
// the Photoshop list and the two actions that act at once.

#include "settings_dialog/settings_dialog.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>

#include "memory_registry.h"
#include "modal_driver.h"
#include "settings/settings_store.h"

namespace vix {
namespace {

// The first descendant of `root` that `matches`.
struct Search {
    std::function<bool(HWND)> matches;
    HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND w, LPARAM p) {
    auto* search = reinterpret_cast<Search*>(p);
    if (!search->matches(w)) return TRUE;
    search->found = w;
    return FALSE;
}

HWND FindWhere(HWND root, std::function<bool(HWND)> matches) {
    Search search{std::move(matches)};
    ::EnumChildWindows(root, &Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Find(HWND root, int id) {
    return FindWhere(root, [id](HWND w) { return ::GetDlgCtrlID(w) == id; });
}

HWND FindText(HWND root, const wchar_t* text) {
    return FindWhere(root, [text](HWND w) {
        wchar_t buffer[256] = {};
        ::GetWindowTextW(w, buffer, 256);
        return std::wstring(buffer) == text;
    });
}

std::wstring Text(HWND w) {
    wchar_t buffer[256] = {};
    ::GetWindowTextW(w, buffer, 256);
    return buffer;
}

class SettingsDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        LoadSettingsKey(registry, settings);
        dialog.Create(nullptr);
    }
    void TearDown() override { dialog.Hide(); }

    SettingsDialogServices Services() {
        return {
            .settings = [this]() -> Settings& { return settings; },
            .saveSettings =
                [this] {
                    ++saves;
                    SaveSettingsKey(registry, settings);
                },
            .loadSettings =
                [this] {
                    ++loads;
                    LoadSettingsKey(registry, settings);
                },
            .clearColorLibrary = [this] { ++clears; },
            .hotKeysLeftOut = [] { return std::wstring(L"Not in use: Ctrl+Alt+C (no action)"); },
            .installedPhotoshopVersions = [this] { return installed; },
            .choosePhotoshopVersion = nullptr,
            .toolSettings = nullptr};
    }
    HWND Id(int id) const { return Find(dialog.hwnd(), id); }
    HWND Captioned(const wchar_t* text) const { return FindText(dialog.hwnd(), text); }
    void Click(const wchar_t* caption) {
        HWND button = Captioned(caption);
        ASSERT_NE(button, nullptr) << caption;
        ::SendMessageW(button, BM_CLICK, 0, 0);
    }
    void Choose(int id, int item) {
        ::SendMessageW(Id(id), CB_SETCURSEL, static_cast<WPARAM>(item), 0);
        ::SendMessageW(::GetParent(Id(id)), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(Id(id)));
    }
    bool PageShown(const wchar_t* control) const {
        return ::IsWindowVisible(Captioned(control)) != FALSE;
    }

    MemoryRegistry registry;
    Settings settings;
    // What the installed versions' service answers.
    std::vector<std::wstring> installed;
    int saves = 0, loads = 0, clears = 0;
    TSettings dialog{registry, Services()};
};

TEST_F(SettingsDialog, EveryControlAndCaptionIsThere) {
    dialog.Show();
    EXPECT_EQ(Text(dialog.hwnd()), L"Settings");
    for (const wchar_t* caption :
         {L"&OK",
          L"&Cancel",
          L"&Prev",
          L"&Next",
          L"&Restore Defaults",
          L"Startup",
          L"Remeber last position",
          L"Remember interface layout",
          L"Export to Photoshop",
          L"InformationBar",
          L"Display InformationBar",
          L"General Colorpicker Settings ",
          L"Color values",
          L"Clipboard format",
          L"Automatically copy sampled colors to clipboard",
          L"Photoshop Settings",
          L"Export to",
          L"Color Library",
          L"Don't add double samples to the library",
          L"Reset on program startup",
          L"Clear the &Library",
          L"General Screen ruler Settings",
          L"Ruler units",
          L"Ruler color",
          L"Sequence capture Settings",
          L"Filename",
          L"Format",
          L"Numbers",
          L"Example:",
          L"JPEG Output settings",
          L"Qualty:",
          L"Min",
          L"Max",
          L"The \"Export Folder\" only applies to captured image sequences."})
        EXPECT_NE(Captioned(caption), nullptr) << std::wstring(caption).size();
    EXPECT_EQ(::SendMessageW(Id(kIdSettingsClipboardFormat), CB_GETCOUNT, 0, 0), 8);
    EXPECT_EQ(::SendMessageW(Id(kIdSettingsSequenceFormat), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(Text(Id(kIdSettingsHotKeysLeftOut)), L"Not in use: Ctrl+Alt+C (no action)");
}

TEST_F(SettingsDialog, OpensOnGeneralFilledFromTheSettings) {
    settings.sequenceDigits = 5;
    settings.rulerUnit = 3;
    settings.keepRepeatedSamples = false;
    dialog.Show();
    EXPECT_EQ(dialog.CurrentPage(), SettingsPage::General);
    EXPECT_TRUE(PageShown(L"Startup"));
    EXPECT_FALSE(PageShown(L"Color Library"));
    EXPECT_EQ(Text(Id(kIdSettingsSequenceNumbers)), L"5");
    EXPECT_EQ(Text(Id(kIdSettingsRulerUnits)), L"Picas");
    EXPECT_EQ(Text(Id(kIdSettingsExampleName)), L"Img_Sequence00001.jpg");
    EXPECT_EQ(
        ::SendMessageW(Captioned(L"Don't add double samples to the library"), BM_GETCHECK, 0, 0),
        BST_CHECKED);
    EXPECT_EQ(::SendMessageW(Id(kIdSettingsJpegQuality), TBM_GETPOS, 0, 0), 10);
}

TEST_F(SettingsDialog, NextAndPrevWrapAndTheSelectorFollows) {
    dialog.Show();
    Click(L"&Prev");
    EXPECT_EQ(dialog.CurrentPage(), SettingsPage::ScreenCapture);
    EXPECT_TRUE(PageShown(L"Sequence capture Settings"));
    EXPECT_FALSE(PageShown(L"Startup"));
    EXPECT_EQ(::SendMessageW(Id(kIdSettingsSelect), CB_GETCURSEL, 0, 0), 3);
    Click(L"&Next");
    EXPECT_EQ(dialog.CurrentPage(), SettingsPage::General);
    Choose(kIdSettingsSelect, 2);
    EXPECT_EQ(dialog.CurrentPage(), SettingsPage::ScreenRuler);
    EXPECT_TRUE(PageShown(L"General Screen ruler Settings"));
}

TEST_F(SettingsDialog, OkWritesBackSavesAndLoads) {
    dialog.Show();
    Click(L"Remeber last position");
    Click(L"Don't add double samples to the library");
    Choose(kIdSettingsColorValues, 1);
    Choose(kIdSettingsExportTo, 1);
    ::SetWindowTextW(Id(kIdSettingsRulerUnits), L"Miles");
    ::SetWindowTextW(Id(kIdSettingsSequenceName), L"Shot");
    ::SendMessageW(Id(kIdSettingsJpegQuality), TBM_SETPOS, TRUE, 3);
    EXPECT_EQ(Text(Id(kIdSettingsExampleName)), L"Shot001.jpg");
    Click(L"&OK");
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(settings.rememberPosition);
    EXPECT_TRUE(settings.keepRepeatedSamples);
    EXPECT_EQ(settings.colorValueForm, 1);
    EXPECT_FALSE(settings.photoshopForeground);
    EXPECT_EQ(settings.rulerUnit, -1);
    EXPECT_EQ(settings.sequenceName, L"Shot");
    EXPECT_EQ(settings.jpegQuality, 3);
    EXPECT_EQ(registry.Get(RegistryRoot::CurrentUser, kSettingsKeyPath, L"RulerValue"),
              RegistryValue::Dword(0xFFFFFFFF));
}

// A name no file can carry would be read back as the default: OK refuses it
// with a word, on the page of the field, and stores nothing.
TEST_F(SettingsDialog, OkRefusesASequenceNameNoFileCanCarry) {
    dialog.Show();
    Choose(kIdSettingsColorValues, 1);
    const std::wstring tooLong(242, L'a');
    for (const std::wstring& name :
         {std::wstring(L"sub\\shot"), std::wstring(L"a/b"), std::wstring(L"..shot"), tooLong}) {
        ::SetWindowTextW(Id(kIdSettingsSequenceName), name.c_str());
        std::wstring said;
        test::ModalDriver answer([&] {
            HWND box = test::FindMessageBox();
            if (!box) return false;
            said = test::MessageBoxText(box);
            test::PressOk(box);
            return true;
        });
        Click(L"&OK");
        EXPECT_TRUE(answer.finished()) << name.size();
        EXPECT_NE(said.find(L"Filename cannot contain"), std::wstring::npos) << said;
        EXPECT_TRUE(PageShown(L"Filename")) << name.size();
        EXPECT_TRUE(::IsWindowVisible(dialog.hwnd()));
    }
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(settings.colorValueForm, 0);
    // The longest name that leaves room for ten digits and the ending.
    ::SetWindowTextW(Id(kIdSettingsSequenceName), std::wstring(241, L'a').c_str());
    Click(L"&OK");
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(settings.sequenceName, std::wstring(241, L'a'));
}

TEST_F(SettingsDialog, TheSpinFieldTakesNoTypedOrPastedText) {
    dialog.Show();
    HWND spin = Id(kIdSettingsSequenceNumbers);
    ::SendMessageW(spin, WM_CHAR, L'7', 0);
    EXPECT_EQ(Text(spin), L"3");
    ::SendMessageW(spin, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"99"));
    ::SendMessageW(::GetParent(spin), WM_COMMAND, MAKEWPARAM(kIdSettingsSequenceNumbers, EN_CHANGE),
                   reinterpret_cast<LPARAM>(spin));
    EXPECT_EQ(Text(spin), L"3");
    // The arrow key steps it.
    ::SendMessageW(spin, WM_KEYDOWN, VK_UP, 0);
    ::SendMessageW(spin, WM_KEYUP, VK_UP, 0);
    EXPECT_EQ(Text(spin), L"4");
    EXPECT_EQ(Text(Id(kIdSettingsExampleName)), L"Img_Sequence0001.jpg");
    Click(L"&OK");
    EXPECT_EQ(settings.sequenceDigits, 4);
}

TEST_F(SettingsDialog, CancelStoresNothing) {
    dialog.Show();
    Click(L"Display InformationBar");
    ::SetWindowTextW(Id(kIdSettingsSequenceName), L"Other");
    Click(L"&Cancel");
    EXPECT_TRUE(settings.showInformationBar);
    EXPECT_EQ(settings.sequenceName, L"Img_Sequence");
    EXPECT_EQ(saves, 0);
}

TEST_F(SettingsDialog, RestoreDefaultsActsAtOnceAndClearLibraryToo) {
    settings.sequenceDigits = 8;
    settings.showInformationBar = false;
    SaveSettingsKey(registry, settings);
    registry.Set(RegistryRoot::CurrentUser, kColorLibraryKeyPath, L"Sampled colors",
                 RegistryValue::Dword(1));
    dialog.Show();
    EXPECT_EQ(Text(Id(kIdSettingsSequenceNumbers)), L"8");
    Click(L"&Restore Defaults");
    EXPECT_EQ(settings.sequenceDigits, 3);
    EXPECT_TRUE(settings.showInformationBar);
    EXPECT_EQ(Text(Id(kIdSettingsSequenceNumbers)), L"3");
    EXPECT_TRUE(registry.HasKey(RegistryRoot::CurrentUser, kColorLibraryKeyPath));
    Click(L"&Cancel");
    EXPECT_EQ(registry.Get(RegistryRoot::CurrentUser, kSettingsKeyPath, L"ImgNr"),
              RegistryValue::Dword(3));
    Click(L"Clear the &Library");
    EXPECT_EQ(clears, 1);
}

TEST_F(SettingsDialog, PhotoshopVersionsAreListedAndTheChoiceStored) {
    installed = {L"18.0", L"9.0"};
    settings.photoshopVersion = L"9.0";
    dialog.Show();
    HWND list = Id(kIdSettingsPhotoshopVersion);
    ASSERT_EQ(::SendMessageW(list, CB_GETCOUNT, 0, 0), 2);
    wchar_t label[64] = {};
    ::SendMessageW(list, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(std::wstring(label), L"Photoshop 18.0");
    ::SendMessageW(list, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(std::wstring(label), L"Photoshop CS2");
    EXPECT_EQ(::SendMessageW(list, CB_GETCURSEL, 0, 0), 1);
    Choose(kIdSettingsPhotoshopVersion, 0);
    Click(L"&OK");
    EXPECT_EQ(settings.photoshopVersion, L"18.0");
    EXPECT_EQ(settings.lastListedPhotoshopVersion, L"9.0");  // the list's last entry
}

}  // namespace
}  // namespace vix

namespace vix {
namespace {

// A tool's rows get a page of the tool's after the four, made from them.
constexpr SettingDef kLoupeZoom = ToolNumber(L"LoupeZoom", 4, 1, 16, L"Zoom");
constexpr SettingDef kLoupeGrid = ToolFlag(L"LoupeGrid", false, L"Show the pixel grid");
constexpr SettingDef kLoupeOpen = ToolFlag(L"_tab_LoupePage", true);  // not on the dialog
constexpr const SettingDef* kLoupeRows[] = {&kLoupeZoom, &kLoupeGrid, &kLoupeOpen};
constexpr SettingGroup kLoupe[] = {{.page = L"Loupe", .rows = kLoupeRows}};

TEST(SettingsDialogToolPage, ATool_sRowsAreEditedOnItsOwnPage) {
    MemoryRegistry registry;
    Settings settings;
    int saves = 0;
    SettingsDialogServices services;
    services.settings = [&]() -> Settings& { return settings; };
    services.saveSettings = [&] { ++saves; };
    services.loadSettings = [] {};
    services.toolSettings = [] { return std::span<const SettingGroup>(kLoupe); };
    TSettings dialog{registry, services};
    dialog.Create(nullptr);
    dialog.Show();
    HWND selector = Find(dialog.hwnd(), kIdSettingsSelect);
    ASSERT_EQ(::SendMessageW(selector, CB_GETCOUNT, 0, 0), kSettingsPageCount + 1);
    wchar_t name[32] = {};
    ::SendMessageW(selector, CB_GETLBTEXT, kSettingsPageCount, reinterpret_cast<LPARAM>(name));
    EXPECT_STREQ(name, L"Loupe");
    EXPECT_EQ(FindText(dialog.hwnd(), L"_tab_LoupePage"), nullptr);

    HWND zoom = Find(dialog.hwnd(), kIdSettingsToolFieldFirst);
    HWND grid = FindText(dialog.hwnd(), L"Show the pixel grid");
    ASSERT_NE(zoom, nullptr);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(Text(zoom), L"4");
    ::SendMessageW(selector, CB_SETCURSEL, 3, 0);
    ::SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(kIdSettingsSelect, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(selector));
    ::SendMessageW(FindText(dialog.hwnd(), L"&Next"), BM_CLICK, 0, 0);
    EXPECT_TRUE(::IsWindowVisible(zoom));

    // A number that is none keeps the dialog open on the tool's page.
    ::SetWindowTextW(zoom, L"big");
    test::ModalDriver answer([] {
        HWND box = test::FindMessageBox();
        if (!box) return false;
        test::PressOk(box);
        return true;
    });
    ::SendMessageW(FindText(dialog.hwnd(), L"&OK"), BM_CLICK, 0, 0);
    EXPECT_TRUE(answer.finished());
    EXPECT_EQ(saves, 0);

    ::SetWindowTextW(zoom, L"40");
    ::SendMessageW(grid, BM_CLICK, 0, 0);
    ::SendMessageW(FindText(dialog.hwnd(), L"&OK"), BM_CLICK, 0, 0);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(NumberSetting(settings, kLoupeZoom), 16);
    EXPECT_TRUE(FlagSetting(settings, kLoupeGrid));
    dialog.Hide();
}

}  // namespace
}  // namespace vix
