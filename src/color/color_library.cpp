#include "color/color_library.h"

#include <algorithm>
#include <cwctype>

namespace vix {

bool ColorLibrary::Newcolor(ColorWord c, bool addDoubles) {
    const bool known = std::any_of(entries_.begin(), entries_.end(),
                                   [c](ColorWord e) { return RgbOf(e) == RgbOf(c); });
    if (known && !addDoubles) return false;
    entries_.insert(entries_.begin(), c);
    if (entries_.size() > kLibraryCapacity) entries_.pop_back();
    return true;
}

bool ColorLibrary::CheckLibColor(int column, int row) const {
    if (column < 0 || column >= kGridColumns || row < 0 || row >= kGridRows) return false;
    return row * kGridColumns + column < Count();
}

ColorWord ColorLibrary::GiveLibColor(int column, int row) const {
    return CheckLibColor(column, row)
               ? entries_[static_cast<std::size_t>(row * kGridColumns + column)]
               : 0;
}

LibraryRecord ColorLibrary::Record() const {
    LibraryRecord record{};
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        record[i * 3] = Red(entries_[i]);
        record[i * 3 + 1] = Green(entries_[i]);
        record[i * 3 + 2] = Blue(entries_[i]);
    }
    record[kRecordSize - 1] = static_cast<std::uint8_t>(entries_.size());
    return record;
}

ColorLibrary ColorLibrary::FromRecord(std::span<const std::uint8_t> stored) {
    const std::size_t colourBytes = std::min(stored.size(), kRecordSize - 1);
    const std::size_t whole = colourBytes / 3;
    // Without its count byte a short value counts its whole triplets.
    std::size_t count = stored.size() >= kRecordSize ? stored[kRecordSize - 1] : whole;
    count = std::min({count, whole, static_cast<std::size_t>(kLibraryCapacity)});
    ColorLibrary library;
    for (std::size_t i = 0; i < count; ++i)
        library.entries_.push_back(MakeColor(stored[i * 3], stored[i * 3 + 1], stored[i * 3 + 2]));
    return library;
}

ColorTable ColorLibrary::ColorTableBytes() const {
    ColorTable table;
    table.fill(0xFF);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        table[i * 3] = Red(entries_[i]);
        table[i * 3 + 1] = Green(entries_[i]);
        table[i * 3 + 2] = Blue(entries_[i]);
    }
    return table;
}

std::optional<GridCell> HoverCell(int x, int y) {
    // The grid is 104 x 69 at (6, 4) in its page; the hover area reaches a
    // little beyond it on the left and top.
    if (x < -1 || x > 104 || y < -4 || y > 69) return std::nullopt;
    // Truncated toward zero, so -1 is column 0.
    return GridCell{x / 15, y / 14};
}

}  // namespace vix
