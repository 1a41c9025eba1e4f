#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// The program's fifteen global hot keys: Ctrl+Alt and a letter each, fixed
// (they are not settings). A key's id is its letter, and its identifier for
// the system the global atom of its name; the rows are in the order of
// registration. A tool added since may bring keys of its own (Tool::OwnKeys),
// registered after these; tool_set.cpp makes a letter taken twice a build
// error (tools/tool_checks.h).

namespace vix {

// RegisterHotKey's modifiers for every key: MOD_ALT (1) + MOD_CONTROL (2).
inline constexpr unsigned kHotKeyModifiers = 3;

// By the key's letter, which is also its virtual-key code.
enum class HotKeyId : unsigned char {
    ColorLibrary = 'L',
    ExtendedColorInfo = 'I',
    ScreenPicker = 'P',
    WebSafeColor = 'W',  // its atom keeps the name "WebSaveColor"
    Ruler = 'U',
    RotateRuler = 'R',
    FlipRuler = 'F',
    EntireScreenCapture = 'E',
    RectangleCapture = 'T',
    ControlCapture = 'O',
    SaveToDisk = 'S',
    Capture = 'C',  // Ctrl+Alt+C: no action
    CopyToClipboard = 'X',
    ExportToPhotoshop = 'A',
    MinimizeVix = 'M',
};
inline constexpr std::size_t kHotKeyCount = 15;

struct HotKeyRow {
    char letter;  // an upper-case letter: the virtual-key code
    std::wstring_view atomName;
    bool hasAction;
    // What the key does, in one line that begins with the key's name:
    // "Ctrl+Alt+P: start or stop the color picker".
    std::wstring_view description;

    constexpr HotKeyId id() const { return static_cast<HotKeyId>(letter); }
};

// The key's name as the user reads it, from its description: "Ctrl+Alt+P".
constexpr std::wstring_view KeyName(const HotKeyRow& row) {
    return row.description.substr(0, row.description.find(L':'));
}

// A letter key whose description begins with its own name.
constexpr bool WellFormed(const HotKeyRow& row) {
    constexpr std::wstring_view kPrefix = L"Ctrl+Alt+";
    const std::wstring_view d = row.description;
    return row.letter >= 'A' && row.letter <= 'Z' && !row.atomName.empty() &&
           d.starts_with(kPrefix) && d.size() > kPrefix.size() + 3 &&
           d[kPrefix.size()] == static_cast<wchar_t>(row.letter) &&
           d.substr(kPrefix.size() + 1, 2) == L": ";
}

inline constexpr std::array<HotKeyRow, kHotKeyCount> kHotKeyRows{{
    {'L', L"ColorLibrary", true, L"Ctrl+Alt+L: show the sampled color library"},
    {'I', L"Extendedcolorinfo", true, L"Ctrl+Alt+I: show the extended color information"},
    {'P', L"ScreenPicker", true, L"Ctrl+Alt+P: start or stop the color picker"},
    {'W', L"WebSaveColor", true, L"Ctrl+Alt+W: make the sampled color web safe"},
    {'U', L"Ruler", true, L"Ctrl+Alt+U: show or hide the ruler"},
    {'R', L"RotateRuler", true, L"Ctrl+Alt+R: turn the ruler horizontal or vertical"},
    {'F', L"FlipRuler", true, L"Ctrl+Alt+F: flip the ruler's scale"},
    {'E', L"EntireScreenCapture", true, L"Ctrl+Alt+E: capture the entire screen"},
    {'T', L"RectangleCapture", true, L"Ctrl+Alt+T: start or stop the rectangle capture"},
    {'O', L"ControlCapture", true, L"Ctrl+Alt+O: start or stop the window capture"},
    {'S', L"SaveToDisk", true,
     L"Ctrl+Alt+S: save the color library (Picker tab) or the snapshot (Capture tab)"},
    {'C', L"Capture", false, L"Ctrl+Alt+C: no action"},
    {'X', L"CopyToClipboard", true,
     L"Ctrl+Alt+X: copy the sampled color (Picker tab) or the snapshot (Capture tab)"},
    {'A', L"ExportToPhotoshop", true,
     L"Ctrl+Alt+A: send the sampled color (Picker tab) or the snapshot (Capture tab) to "
     L"Photoshop"},
    {'M', L"MinimizeVix", true, L"Ctrl+Alt+M: minimize or restore VIX"},
}};

// In the order of registration.
inline const std::array<HotKeyRow, kHotKeyCount>& HotKeyRows() { return kHotKeyRows; }
// The row of one of the fifteen.
const HotKeyRow& HotKeyRowOf(HotKeyId id);
// The row of `letter`, nothing for a letter that is none of the fifteen.
const HotKeyRow* HotKeyRowOfLetter(char letter);

// The letters of the keys of `rows` with an action, in their order.
std::string ActionLetters(std::span<const HotKeyRow> rows = HotKeyRows());

}  // namespace vix
