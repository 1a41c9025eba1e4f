#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/settings.h"

// The settings dialog's controls as values: filled from the main window's
// mirrored settings when it opens and written back on OK. Whatever is typed
// or pasted into a field, what goes back into the settings lies in the
// value's range; a value out of range is stored as its default.

namespace vix {

enum class SettingsPage : int { General, Colorpicker, ScreenRuler, ScreenCapture };
inline constexpr int kSettingsPageCount = 4;
inline constexpr std::array<const wchar_t*, kSettingsPageCount> kSettingsPageNames = {
    L"General", L"Colorpicker", L"Screen ruler", L"Screen capture"};
// "&Next" after the last page comes back to the first, "&Prev" before the
// first goes to the last; the tools' pages, when there are any, come after
// the four (`pageCount` in all).
SettingsPage NextSettingsPage(SettingsPage page, int pageCount = kSettingsPageCount);
SettingsPage PrevSettingsPage(SettingsPage page, int pageCount = kSettingsPageCount);

// Why OK keeps the dialog open over a sequence file name no file can carry.
inline constexpr wchar_t kBadSequenceName[] =
    L"The sequence's Filename cannot contain \\ / : * ? \" < > |, two dots in a row or "
    L"control characters, and can be at most 241 characters long.";

inline constexpr std::array<const wchar_t*, 3> kColorValueItems = {L"RGB", L"Hex", L"Percent"};
inline constexpr std::array<const wchar_t*, 8> kClipboardFormatItems = {
    L"HTML (#FF9933)",         L"HTML (color=\"#FF9933\")",
    L"WIN API (0x003399FF)",   L"Delphi ($003399FF)",
    L"C++ (0xFF9933)",         L"CSS (rgb(255 153 51))",
    L"CSS (hsl(30 100% 60%))", L"CSS (oklch(77.37% 0.1629 60.28))"};
static_assert(kClipboardFormatItems.size() == kClipboardFormatCount,
              "the list offers every format the settings store");
inline constexpr std::array<const wchar_t*, 2> kExportToItems = {L"Foreground", L"Background"};
inline constexpr std::array<const wchar_t*, 5> kRulerUnitItems = {
    L"Pixels", L"Inches", L"Centimetres", L"Picas", L"Percent"};

inline constexpr int kMinImgNr = 1;
inline constexpr int kMaxImgNr = 10;
inline constexpr int kMinJpgQuality = 0;
inline constexpr int kMaxJpgQuality = 10;

// The controls' states, named after the controls. The form's designer
// names of the controls are given where they differ.
struct SettingsDialogState {
    bool chkRememberPosition = false;  // chkRemeberlastposition
    bool chkRememberinterfacelayout = false;
    bool chkInfoBar = false;
    int lstColorValues = 0;      // ComboBox3
    int lstClipboardFormat = 0;  // ComboBox1
    bool chkAutoSampleToClipboard = false;
    int lstExportTo = 0;              // ComboBox2: 0 foreground, 1 background
    bool chkNoDoubleSamples = false;  // CheckBox1
    bool chkResetLibrary = false;     // CheckBox2: reset the library on start
    std::wstring lstRulerUnits;       // the unit's text, chosen or typed
    std::uint32_t lstRulerColor = 0;
    std::wstring edtSequenceName;    // Edit4
    int lstSequenceFormat = 0;       // ComboBox5: an index into kSequenceEndings
    std::wstring edtSequenceDigits;  // SpinEdit1: the number of digits, as text
    int trkJpegQuality = 0;          // TrackBar1

    friend bool operator==(const SettingsDialogState&, const SettingsDialogState&) = default;
};

SettingsDialogState FillSettingsDialog(const Settings& settings);
// OK's copy into the mirrored settings; the values the dialog does not edit
// (layout, position, Photoshop version, update values) stay as they are.
void ApplySettingsDialog(const SettingsDialogState& state, Settings& settings);

// The item of the unit list that `text` names, -1 for a typed text that
// names none (compared without regard to case, as the list looks items up).
int RulerUnitIndex(std::wstring_view text);
// The spin field's text as the number of digits, within 1 to 10; a text
// that is no number gives the default of 3.
int SpinFieldNumber(std::wstring_view text);
// The spin field takes no typed character: only its buttons and the arrow
// keys change it.
inline bool SpinFieldAcceptsCharacter(wchar_t) { return false; }

// The example of a sequence file name: the file name, the counter 1 with
// as many digits as the spin field says, then the format's text.
std::wstring ExampleFileName(std::wstring_view name, std::wstring_view numbers,
                             std::wstring_view format);

}  // namespace vix
