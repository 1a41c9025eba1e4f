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

    constexpr HotKeyId id() const { return static_cast<HotKeyId>(letter); }
};

inline constexpr std::array<HotKeyRow, kHotKeyCount> kHotKeyRows{{
    {'L', L"ColorLibrary", true},
    {'I', L"Extendedcolorinfo", true},
    {'P', L"ScreenPicker", true},
    {'W', L"WebSaveColor", true},
    {'U', L"Ruler", true},
    {'R', L"RotateRuler", true},
    {'F', L"FlipRuler", true},
    {'E', L"EntireScreenCapture", true},
    {'T', L"RectangleCapture", true},
    {'O', L"ControlCapture", true},
    {'S', L"SaveToDisk", true},
    {'C', L"Capture", false},
    {'X', L"CopyToClipboard", true},
    {'A', L"ExportToPhotoshop", true},
    {'M', L"MinimizeVix", true},
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
