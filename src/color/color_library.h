#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "color/color_value.h"

// The library of the 35 most recently sampled colours, newest first, its
// registry record, its grid of 7 x 5 cells and its colour-table file.

namespace vix {

inline constexpr int kLibraryCapacity = 35;
inline constexpr int kGridColumns = 7;
inline constexpr int kGridRows = 5;
inline constexpr std::size_t kRecordSize = 106;      // 35 triplets and the count
inline constexpr std::size_t kColorTableSize = 768;  // 256 triplets
inline constexpr wchar_t kLibraryValueName[] = L"Sampled colors";

using LibraryRecord = std::array<std::uint8_t, kRecordSize>;
using ColorTable = std::array<std::uint8_t, kColorTableSize>;

class ColorLibrary {
  public:
    // Puts `c` first, pushing the oldest out of a full library. With
    // `addDoubles` off, a colour already in the library (the same red, green
    // and blue, whether sampled now or restored from the registry) is not
    // added again and nothing moves. Returns whether it was added.
    bool Newcolor(ColorWord c, bool addDoubles);
    void Clear() { entries_.clear(); }

    int Count() const { return static_cast<int>(entries_.size()); }
    ColorWord Entry(int i) const { return entries_.at(static_cast<std::size_t>(i)); }

    // Cell (column, row) shows entry 7 * row + column.
    bool CheckLibColor(int column, int row) const;
    ColorWord GiveLibColor(int column, int row) const;

    // Slots 0 to count - 1 hold the entries' red, green, blue; the rest are
    // zero; the last byte is the count.
    LibraryRecord Record() const;
    // Reads a stored record of any size without reading past its end: the
    // count is held to 35 and to the whole triplets present. Restored
    // entries carry a zero top byte.
    static ColorLibrary FromRecord(std::span<const std::uint8_t> stored);

    // 256 triplets: the entries, then white.
    ColorTable ColorTableBytes() const;

  private:
    std::vector<ColorWord> entries_;
};

// The grid cell under a pointer at (x, y) in grid pixels (cells 14 x 13 with
// one-pixel lines, a pitch of 15 x 14), or nothing outside the hover area.
struct GridCell {
    int column;
    int row;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};
std::optional<GridCell> HoverCell(int x, int y);

}  // namespace vix
