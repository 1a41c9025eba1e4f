// The colour picker, the magnifier and the colour library, used as a designer
// uses them: over a known pattern, with the pointer and the right button.

#include <cstdio>
#include <fstream>

#include "color/color_control_ids.h"
#include "color/dichromacy_lines.h"
#include "settings/settings.h"
#include "pattern.h"
#include "pattern_screen.h"
#include "vix_fixture.h"

namespace vix::e2e {
namespace {

namespace pt = test::pattern;

std::wstring Rgb(std::uint32_t c) {
    wchar_t text[64];
    std::swprintf(text, 64, L"R:%u  G:%u  B:%u", (c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
    return text;
}

// The mean of the n x n block round the pattern block's centre, rounded.
std::uint32_t BlockAverage(int n) {
    int sums[3] = {};
    const int start = (5 - n) / 2;
    for (int y = start; y < start + n; ++y)
        for (int x = start; x < start + n; ++x)
            for (int c = 0; c < 3; ++c)
                sums[c] += (pt::BlockPixel(x, y) >> (16 - 8 * c)) & 0xFF;
    const int count = n * n;
    std::uint32_t result = 0;
    for (int c = 0; c < 3; ++c)
        result |= static_cast<std::uint32_t>((sums[c] + count / 2) / count) << (16 - 8 * c);
    return result;
}

class Picker : public VixTest {
  protected:
    void SetUp() override {
        VixTest::SetUp();
        pattern_ = std::make_unique<VixProcess>(BinDir() + L"\\pattern.exe");
        ASSERT_TRUE(pattern_->Start());
        ASSERT_NE(pattern_->WaitForWindow(L"VixTestPattern"), nullptr);
    }
    void TearDown() override {
        VixTest::TearDown();
        pattern_.reset();
    }

    void StartPicker() {
        StartVix();
        HWND button = Control(L"Activate Colorpicker");
        ASSERT_NE(button, nullptr);
        LeftClickAt(Center(button));
        ASSERT_TRUE(WaitUntil([&] { return Control(L"Deactivate Colorpicker") != nullptr; }));
        // Switching on has ended, hook and timer included.
        ASSERT_TRUE(WaitInputHandled(Main()));
    }

    std::wstring Summary() const { return TextOf(FindById(Main(), kIdSummary)); }
    bool SummaryBecomes(const std::wstring& text) const {
        return WaitUntil([&] { return Summary() == text; });
    }
    std::wstring Text(int id) const { return TextOf(FindById(Main(), id)); }

    std::unique_ptr<VixProcess> pattern_;
};

// The five clipboard formats are checked in the colour texts' tests; here,
// that the stored one reaches the clipboard.
TEST_F(Picker, TheSampleGoesToTheClipboardInTheStoredFormat) {
    SetSettingsDword(L"CPExportFormat", 2);
    StartPicker();
    Sample({pt::kFlatX, pt::kFlatY}, pt::kFlat);
    ASSERT_TRUE(SummaryBecomes(Rgb(pt::kFlat))) << testing::PrintToString(Summary());
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == L"0x00E49A12"; }))
        << testing::PrintToString(ClipboardText().value_or(L"(none)"));
}

TEST_F(Picker, WithoutAutoCopyTheClipboardIsLeftAlone) {
    ClearClipboard();
    SetSettingsDword(L"AutoSampleToClipboard", 0);
    StartPicker();
    Sample({pt::kFlatX, pt::kFlatY}, pt::kFlat);
    ASSERT_TRUE(SummaryBecomes(Rgb(pt::kFlat)));
    EXPECT_NE(ClipboardText(), L"#129AE4");
    LeftClickAt(Center(Control(L"Export sampled color value to clipboard")));
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == L"#129AE4"; }));
}

TEST_F(Picker, SummaryAndLiveValuesFollowTheDisplayFormat) {
    StartPicker();
    Sample({pt::kFlatX, pt::kFlatY}, pt::kFlat);
    ASSERT_TRUE(SummaryBecomes(L"R:18  G:154  B:228"));
    EXPECT_EQ(Text(kIdLiveGreen), L"154");
    LeftClickAt(Center(Control(L"Hex")));
    EXPECT_TRUE(SummaryBecomes(L"R:#12  G:#9A  B:#E4"));
    PointAt({pt::kFlatX, pt::kFlatY});
    EXPECT_TRUE(WaitUntil([&] { return Text(kIdLiveBlue) == L"#E4"; }));
    EXPECT_TRUE(SaveWindowShot(Main(), L"picker-on"));
}

// The CSS text keeps its point and the contrast label compares the last two
// samples: oklch() and the ratio worked out separately for the pattern's
// colours (2.547, truncated).
TEST_F(Picker, ContrastOfTheLastTwoSamplesAndAnOklchText) {
    SetSettingsDword(L"CPExportFormat", 7);
    StartPicker();
    ToggleSection(L"Expand/Collapse Extended color information");
    EXPECT_EQ(Text(kIdContrast), L"Contrast: sample two colours");
    Sample({pt::kFlatX, pt::kFlatY}, pt::kFlat);
    ASSERT_TRUE(SummaryBecomes(Rgb(pt::kFlat)));
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == L"oklch(65.68% 0.1506 241.50)"; }))
        << testing::PrintToString(ClipboardText().value_or(L"(none)"));
    EXPECT_EQ(Text(kIdContrast), L"Contrast: sample two colours");
    Sample({250, 100}, pt::kBackground);
    ASSERT_TRUE(SummaryBecomes(Rgb(pt::kBackground)));
    EXPECT_EQ(Text(kIdContrast), L"Contrast: 2.54:1 fails");
    // Below it each dichromacy's line for the later sample against the
    // earlier one (the lines' texts are worked out in the native tests).
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Text(kIdDichromacyFirst + i),
                  DichromacyLine(kDichromacies[i], FromPixel(pt::kBackground), FromPixel(pt::kFlat),
                                 L'.'));
    EXPECT_TRUE(SaveWindowShot(Main(), L"picker-contrast"));
}

// The averages of every sample size are checked in the sampling tests; here,
// that the chosen size is the one sampled.
TEST_F(Picker, TheChosenSampleSizeIsAveraged) {
    StartPicker();
    const POINT centre{pt::kBlockX, pt::kBlockY};
    Sample(centre, pt::BlockPixel(2, 2));
    EXPECT_TRUE(SummaryBecomes(Rgb(pt::BlockPixel(2, 2)))) << testing::PrintToString(Summary());
    ChooseListItem(FindById(Main(), kIdSampleSizeList), 2);
    Sample(centre, BlockAverage(5));
    EXPECT_TRUE(SummaryBecomes(Rgb(BlockAverage(5)))) << testing::PrintToString(Summary());
    EXPECT_NE(BlockAverage(5), pt::BlockPixel(2, 2));
}

TEST_F(Picker, ExtendedInformationShowsCmykAndHsbOfTheLiveColour) {
    StartPicker();
    ToggleSection(L"Expand/Collapse Extended color information");
    PointAt({pt::kFlatX, pt::kFlatY});
    const wchar_t* expected[] = {L"82%", L"29%", L"0%", L"11%", L"201\u00B0", L"92%", L"89%"};
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(WaitUntil([&] { return Text(kIdColorInfoFirst + i) == expected[i]; }))
            << i << ": " << testing::PrintToString(Text(kIdColorInfoFirst + i));
}

// The view's cell (column, row) on the screen: its centre pixel.
DWORD ViewCell(HWND view, int column, int row) {
    const RECT r = ScreenRect(view);
    return ScreenPixel({r.left + column * 6 + 3, r.top + row * 6 + 3});
}

DWORD ViewPixel(HWND view, int x, int y) {
    const RECT r = ScreenRect(view);
    return ScreenPixel({r.left + x, r.top + y});
}

TEST_F(Picker, MagnifierShowsThirteenPixelsSixTimesWithTheSampleBox) {
    StartPicker();
    PointAt({pt::kBlockX, pt::kBlockY});
    HWND view = FindById(Main(), kIdPickerView);
    ASSERT_TRUE(::IsWindowVisible(view));
    // The view follows the pointer on the picker's tick.
    ASSERT_TRUE(WaitUntil([&] { return ViewCell(view, 6, 6) == pt::BlockPixel(2, 2); }));
    for (int row = 0; row < 13; ++row) {
        for (int column = 0; column < 13; ++column) {
            const int x = column - 6 + 2, y = row - 6 + 2;  // in the block
            const DWORD expected =
                x >= 0 && x < 5 && y >= 0 && y < 5 ? pt::BlockPixel(x, y) : pt::kBackground;
            ASSERT_EQ(ViewCell(view, column, row), expected) << column << "," << row;
        }
    }
    for (int i = 35; i <= 42; ++i) {
        EXPECT_EQ(ViewPixel(view, i, 35), 0u) << i;
        EXPECT_EQ(ViewPixel(view, i, 42), 0u) << i;
        EXPECT_EQ(ViewPixel(view, 35, i), 0u) << i;
        EXPECT_EQ(ViewPixel(view, 42, i), 0u) << i;
    }
    EXPECT_TRUE(SaveWindowShot(view, L"magnifier-point"));
    ChooseListItem(FindById(Main(), kIdSampleSizeList), 2);
    PointAt({pt::kBlockX, pt::kBlockY});
    // A tick at the block again, with the five-by-five box.
    EXPECT_TRUE(WaitUntil([&] {
        return ViewPixel(view, 23, 40) == 0u && ViewCell(view, 6, 6) == pt::BlockPixel(2, 2);
    }));
    EXPECT_EQ(ViewPixel(view, 54, 23), 0u);
    EXPECT_EQ(ViewPixel(view, 35, 38), pt::BlockPixel(1, 2)) << "the point box is gone";
}

TEST_F(Picker, AtTheDesktopCornerTheViewIsBlackBeyondTheEdgeAndColumnZeroIsSampledAsOne) {
    StartPicker();
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN),
              top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    ASSERT_TRUE(WaitPatternShown({left, top, left + pt::kCornerSize, top + pt::kCornerSize}));
    PointAt({0, 0});
    HWND view = FindById(Main(), kIdPickerView);
    ASSERT_TRUE(WaitUntil([&] { return ViewCell(view, 5, 5) == pt::CornerPixel(0, 0); }));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(ViewCell(view, i, 8), 0u) << "left strip, column " << i;
        EXPECT_EQ(ViewCell(view, 8, i), 0u) << "top strip, row " << i;
    }
    EXPECT_EQ(ViewCell(view, 5, 5), pt::CornerPixel(0, 0));
    EXPECT_EQ(ViewCell(view, 6, 6), pt::CornerPixel(1, 1));
    EXPECT_EQ(ViewCell(view, 7, 6), pt::CornerPixel(2, 1));
    RightClickAt({0, 0});
    EXPECT_TRUE(SummaryBecomes(Rgb(pt::CornerPixel(1, 1)))) << testing::PrintToString(Summary());
}

TEST_F(Picker, TheThirtySixthDistinctColourPushesTheOldestOutOfTheRecord) {
    StartPicker();
    for (int i = 0; i < pt::kSwatchCount; ++i) {
        Sample({pt::SwatchX(i), pt::SwatchY(i)}, pt::Swatch(i));
        ASSERT_TRUE(SummaryBecomes(Rgb(pt::Swatch(i)))) << i;
    }
    // The same colour again changes nothing.
    Sample({pt::SwatchX(20), pt::SwatchY(20)}, pt::Swatch(20));
    ASSERT_TRUE(SummaryBecomes(Rgb(pt::Swatch(20))));
    // The record is written while the sample is handled.
    ASSERT_TRUE(WaitInputHandled(Main()));
    const auto record = RegistryBinary(kColorLibraryKeyPath, L"Sampled colors");
    ASSERT_TRUE(record.has_value());
    ASSERT_EQ(record->size(), 106u);
    EXPECT_EQ((*record)[105], 35);
    for (int slot = 0; slot < 35; ++slot) {
        const std::uint32_t c = pt::Swatch(35 - slot);
        ASSERT_EQ((*record)[slot * 3], (c >> 16) & 0xFF) << slot;
        ASSERT_EQ((*record)[slot * 3 + 1], (c >> 8) & 0xFF) << slot;
        ASSERT_EQ((*record)[slot * 3 + 2], c & 0xFF) << slot;
    }
}

TEST_F(Picker, SwitchingOffKeepsTheSampleAndEmptiesTheLiveLabels) {
    StartPicker();
    Sample({pt::kFlatX, pt::kFlatY}, pt::kFlat);
    ASSERT_TRUE(SummaryBecomes(Rgb(pt::kFlat)));
    LeftClickAt(Center(Control(L"Deactivate Colorpicker")));
    ASSERT_TRUE(WaitUntil([&] { return Control(L"Activate Colorpicker") != nullptr; }));
    EXPECT_TRUE(WaitUntil([&] { return Text(kIdLiveRed).empty(); }));
    EXPECT_EQ(Text(kIdColorInfoFirst), L"");
    EXPECT_EQ(Summary(), Rgb(pt::kFlat));
    EXPECT_FALSE(::IsWindowVisible(FindById(Main(), kIdPickerView)));
    // Switched off, the right button reaches the windows again: no sample.
    RightClickAt({pt::SwatchX(0), pt::SwatchY(0)});
    ASSERT_TRUE(WaitInputHandled(Main()));
    EXPECT_EQ(Summary(), Rgb(pt::kFlat));
}

TEST_F(Picker, ChangingTabStopsThePicker) {
    StartPicker();
    ClickTab(L" Ruler");
    EXPECT_TRUE(WaitUntil([&] { return Control(L"Activate Colorpicker") != nullptr; }));
    // The prompt is gone: away from the window the bar is empty.
    MoveTo({1000, 700});
    EXPECT_TRUE(WaitUntil([&] { return HintBarText().empty(); }));
    EXPECT_EQ(ClientHeight(), 184);
}

TEST_F(Picker, LibraryCellsShowTheirValuesAndADoubleClickTakesTheColour) {
    StartPicker();
    Sample({pt::SwatchX(0), pt::SwatchY(0)}, pt::Swatch(0));
    Sample({pt::SwatchX(1), pt::SwatchY(1)}, pt::Swatch(1));
    ASSERT_TRUE(SummaryBecomes(Rgb(pt::Swatch(1))));
    LeftClickAt(Center(Control(L"Deactivate Colorpicker")));
    ToggleSection(L"Expand/Collapse Sampled color library");
    HWND grid = FindById(Main(), kIdLibraryGrid);
    ASSERT_NE(grid, nullptr);
    const RECT g = ScreenRect(grid);
    // Cell 1 (column 1, row 0) holds the older sample.
    PointAt({g.left + 22, g.top + 6});
    EXPECT_TRUE(WaitUntil([&] {
        return Text(kIdHoverRed) == std::to_wstring(pt::Swatch(0) >> 16);
    })) << testing::PrintToString(Text(kIdHoverRed));
    LeftDoubleClickAt({g.left + 22, g.top + 6});
    EXPECT_TRUE(SummaryBecomes(Rgb(pt::Swatch(0))));
    // An empty cell empties the labels.
    PointAt({g.left + 50, g.top + 40});
    EXPECT_TRUE(WaitUntil([&] { return Text(kIdHoverRed).empty(); }));
    EXPECT_TRUE(SaveWindowShot(Main(), L"library"));
}

TEST_F(Picker, AStoredLibraryIsShownAtStartAndResetOnStartupEmptiesIt) {
    std::vector<BYTE> record(106, 0);
    record[0] = 10, record[1] = 20, record[2] = 30, record[105] = 1;
    SetRegistryBinary(kColorLibraryKeyPath, L"Sampled colors", record);
    SetSettingsDword(L"_tab_ColorLibPage", 1);
    StartVix();
    EXPECT_TRUE(::IsWindowEnabled(Control(L"Save Color Libray as .act")));
    const RECT g = ScreenRect(FindById(Main(), kIdLibraryGrid));
    EXPECT_EQ(ScreenPixel({g.left + 5, g.top + 5}), 0x0A141Eu) << "the first cell shows it";
    EXPECT_EQ(ScreenPixel({g.left + 20, g.top + 5}), 0xFFFFFFu) << "the others are white";
    CloseVix();

    SetSettingsDword(L"ResetLibraryOnstartup", 1);
    StartVix();
    EXPECT_EQ(RegistryBinary(kColorLibraryKeyPath, L"Sampled colors"), std::vector<BYTE>(106, 0));
    EXPECT_FALSE(::IsWindowEnabled(Control(L"Save Color Libray as .act")));
    EXPECT_EQ(ScreenPixel({g.left + 5, g.top + 5}), 0xFFFFFFu);
}

std::wstring TempPath(const std::wstring& name) {
    wchar_t dir[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

std::vector<unsigned char> ReadFile(const std::wstring& path) {
    std::vector<unsigned char> bytes;
    std::FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) return bytes;
    int c;
    while ((c = std::fgetc(f)) != EOF)
        bytes.push_back(static_cast<unsigned char>(c));
    std::fclose(f);
    return bytes;
}

TEST_F(Picker, LibrarySavedAsColourTableThroughTheSaveDialog) {
    StartPicker();
    for (int i = 0; i < 3; ++i) {
        Sample({pt::SwatchX(i), pt::SwatchY(i)}, pt::Swatch(i));
        ASSERT_TRUE(SummaryBecomes(Rgb(pt::Swatch(i))));
    }
    LeftClickAt(Center(Control(L"Deactivate Colorpicker")));
    ToggleSection(L"Expand/Collapse Sampled color library");
    const std::wstring chosen = TempPath(L"Farben \u00e4.txt");
    const std::wstring written = chosen + L".act";
    ::DeleteFileW(written.c_str());
    LeftClickAt(Center(Control(L"Save Color Libray as .act")));
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        dialog = ::FindWindowW(L"#32770", L"Save As Adobe Color Table");
        return dialog && ::IsWindowVisible(dialog);
    }));
    // Typing goes to the dialog's name field once it has the focus.
    ASSERT_TRUE(WaitFocusInside(dialog));
    TypeText(chosen);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return ReadFile(written).size() == 768; }));
    const auto bytes = ReadFile(written);
    for (int i = 0; i < 3; ++i) {
        const std::uint32_t c = pt::Swatch(2 - i);
        EXPECT_EQ(bytes[i * 3], (c >> 16) & 0xFF);
        EXPECT_EQ(bytes[i * 3 + 1], (c >> 8) & 0xFF);
        EXPECT_EQ(bytes[i * 3 + 2], c & 0xFF);
    }
    for (std::size_t i = 9; i < bytes.size(); ++i)
        ASSERT_EQ(bytes[i], 0xFF) << i;
    ::DeleteFileW(written.c_str());
}

// The save dialog's "Save as type" list (cmb1).
constexpr int kFileTypeList = 0x470;

BOOL CALLBACK FindVisibleEdit(HWND w, LPARAM found) {
    wchar_t name[16] = {};
    ::GetClassNameW(w, name, 16);
    if (std::wstring(name) != L"Edit" || !::IsWindowVisible(w)) return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
}

// The other design tools' formats: the filter chosen, or the ending typed.
TEST_F(Picker, LibrarySavedAsGimpSwatchAndCssFiles) {
    StartPicker();
    for (int i = 0; i < 2; ++i) {
        Sample({pt::SwatchX(i), pt::SwatchY(i)}, pt::Swatch(i));
        ASSERT_TRUE(SummaryBecomes(Rgb(pt::Swatch(i))));
    }
    LeftClickAt(Center(Control(L"Deactivate Colorpicker")));
    ToggleSection(L"Expand/Collapse Sampled color library");
    const auto save = [&](const std::wstring& typed, int filter) {
        LeftClickAt(Center(Control(L"Save Color Libray as .act")));
        HWND dialog = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            dialog = ::FindWindowW(L"#32770", L"Save As Adobe Color Table");
            return dialog && ::IsWindowVisible(dialog);
        }));
        HWND types = FindById(dialog, kFileTypeList);
        ASSERT_NE(types, nullptr);
        EXPECT_EQ(::SendMessageW(types, CB_GETCOUNT, 0, 0), 4);
        ChooseListItem(types, filter - 1);
        HWND name = nullptr;
        ::EnumChildWindows(dialog, FindVisibleEdit, reinterpret_cast<LPARAM>(&name));
        ASSERT_NE(name, nullptr);
        ReplaceFieldText(name, typed);
        PressKey(VK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(dialog); }));
    };
    char hex[2][8];
    for (int i = 0; i < 2; ++i)
        std::snprintf(hex[i], 8, "%06X", static_cast<unsigned>(pt::Swatch(1 - i)));
    const std::wstring gpl = TempPath(L"Farben \u00e4.gpl"), css = TempPath(L"farben.css"),
                       ase = TempPath(L"farben.ase");
    for (const auto& f : {gpl, css, ase})
        ::DeleteFileW(f.c_str());

    save(gpl, 1);  // the typed ending wins over the colour table's filter
    const std::string gimpHeader = "GIMP Palette\nName: VIX colour library\nColumns: 7\n#\n";
    ASSERT_TRUE(WaitUntil([&] { return !ReadFile(gpl).empty(); }));
    const auto gimp = ReadFile(gpl);
    const std::string gimpText(gimp.begin(), gimp.end());
    EXPECT_EQ(gimpText.substr(0, gimpHeader.size()), gimpHeader);
    EXPECT_NE(gimpText.find(std::string("\t") + hex[0] + "\n"), std::string::npos) << gimpText;
    EXPECT_LT(gimpText.find(hex[0]), gimpText.find(hex[1])) << "newest first";

    save(TempPath(L"farben"), 4);  // the filter's ending is added
    ASSERT_TRUE(WaitUntil([&] { return !ReadFile(css).empty(); }));
    const auto cssBytes = ReadFile(css);
    EXPECT_EQ(
        std::string(cssBytes.begin(), cssBytes.end()),
        std::string(":root {\n  --vix-1: #") + hex[0] + ";\n  --vix-2: #" + hex[1] + ";\n}\n");

    save(ase, 2);
    // Signature, version, two blocks of 40 bytes, each named by its hex digits.
    ASSERT_TRUE(WaitUntil([&] { return ReadFile(ase).size() == 12 + 2 * 40; }));
    const auto swatches = ReadFile(ase);
    EXPECT_EQ(std::string(swatches.begin(), swatches.begin() + 4), "ASEF");
    EXPECT_EQ(swatches[11], 2);
    EXPECT_EQ(swatches[21], static_cast<unsigned char>(hex[0][0]));
    for (const auto& f : {gpl, css, ase})
        ::DeleteFileW(f.c_str());
}

}  // namespace
}  // namespace vix::e2e
