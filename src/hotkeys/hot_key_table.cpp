#include "hotkeys/hot_key_table.h"

namespace vix {

const std::array<HotKeyRow, kHotKeyCount>& HotKeyRows() {
    static constexpr std::array<HotKeyRow, kHotKeyCount> rows{{
        {HotKeyId::ColorLibrary, L"ColorLibrary", 'L', true},
        {HotKeyId::ExtendedColorInfo, L"Extendedcolorinfo", 'I', true},
        {HotKeyId::ScreenPicker, L"ScreenPicker", 'P', true},
        {HotKeyId::WebSafeColor, L"WebSaveColor", 'W', true},
        {HotKeyId::Ruler, L"Ruler", 'U', true},
        {HotKeyId::RotateRuler, L"RotateRuler", 'R', true},
        {HotKeyId::FlipRuler, L"FlipRuler", 'F', true},
        {HotKeyId::EntireScreenCapture, L"EntireScreenCapture", 'E', true},
        {HotKeyId::RectangleCapture, L"RectangleCapture", 'T', true},
        {HotKeyId::ControlCapture, L"ControlCapture", 'O', true},
        {HotKeyId::SaveToDisk, L"SaveToDisk", 'S', true},
        {HotKeyId::Capture, L"Capture", 'C', false},
        {HotKeyId::CopyToClipboard, L"CopyToClipboard", 'X', true},
        {HotKeyId::ExportToPhotoshop, L"ExportToPhotoshop", 'A', true},
        {HotKeyId::MinimizeVix, L"MinimizeVix", 'M', true},
    }};
    return rows;
}

const HotKeyRow& HotKeyRowOf(HotKeyId id) { return HotKeyRows()[static_cast<std::size_t>(id)]; }

std::string ActionLetters(std::span<const HotKeyRow> rows) {
    std::string letters;
    for (const HotKeyRow& row : rows)
        if (row.hasAction) letters += row.letter;
    return letters;
}

const HotKeyRow* HotKeyRowOfLetter(char letter) {
    for (const HotKeyRow& row : HotKeyRows())
        if (row.letter == letter) return &row;
    return nullptr;
}

}  // namespace vix
