#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// The program's fifteen global hot keys: Ctrl+Alt and a letter each, fixed
// (they are not settings). Each key's identifier is the global atom of its
// name; the rows are in the order of registration. A tool added since may
// bring a key of its own, with an id above MinimizeVix (HotKeyId{15}), which
// is registered after these.

namespace vix {

// RegisterHotKey's modifiers for every key: MOD_ALT (1) + MOD_CONTROL (2).
inline constexpr unsigned kHotKeyModifiers = 3;

enum class HotKeyId : unsigned char {
    ColorLibrary,
    ExtendedColorInfo,
    ScreenPicker,
    WebSafeColor,  // its atom keeps the name "WebSaveColor"
    Ruler,
    RotateRuler,
    FlipRuler,
    EntireScreenCapture,
    RectangleCapture,
    ControlCapture,
    SaveToDisk,
    Capture,  // Ctrl+Alt+C: no action
    CopyToClipboard,
    ExportToPhotoshop,
    MinimizeVix,
};
inline constexpr std::size_t kHotKeyCount = 15;

struct HotKeyRow {
    HotKeyId id;
    std::wstring_view atomName;
    char letter;  // also the virtual-key code
    bool hasAction;
};

// By HotKeyId, which is the order of registration.
const std::array<HotKeyRow, kHotKeyCount>& HotKeyRows();
const HotKeyRow& HotKeyRowOf(HotKeyId id);
// The row of `letter`, nothing for a letter that is no hot key.
const HotKeyRow* HotKeyRowOfLetter(char letter);

// The letters of the keys of `rows` with an action, in their order.
std::string ActionLetters(std::span<const HotKeyRow> rows = HotKeyRows());

}  // namespace vix
