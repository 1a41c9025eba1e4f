#include "hotkeys/hot_key_table.h"

#include <algorithm>
#include <stdexcept>

namespace vix {

static_assert(std::ranges::all_of(kHotKeyRows, WellFormed),
              "each of the fifteen keys is a letter described under its own name");

const HotKeyRow& HotKeyRowOf(HotKeyId id) {
    const HotKeyRow* row = HotKeyRowOfLetter(static_cast<char>(id));
    if (!row) throw std::logic_error("a hot key none of the fifteen");
    return *row;
}

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
