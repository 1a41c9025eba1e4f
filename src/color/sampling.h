#pragma once

#include <array>
#include <cstdint>

#include "color/color_value.h"
#include "common/geometry.h"

// The colour under the pointer: a point or the average of the 3 x 3 or 5 x 5
// pixels round it, taken from the 5 x 5 block centred on the pointer.

namespace vix {

// 1 point, 2 the 3 x 3 average, 3 the 5 x 5 average.
enum SampleSizes : int { kPointSample = 1, kAverage3 = 2, kAverage5 = 3 };

inline constexpr int kBlock = 5;
using Block5 = std::array<std::uint32_t, kBlock * kBlock>;  // 0x00RRGGBB, rows top down

// The block's side for a sample size: 1, 3 or 5 (1 for an unknown size).
constexpr int SampleSide(int sampleSize) {
    return sampleSize >= kPointSample && sampleSize <= kAverage5 ? 2 * sampleSize - 1 : 1;
}

// Sums each component over the centred n x n block and divides by n squared,
// rounding to the nearest integer. The result carries the sampled flag.
ColorWord AverageBlock(const Block5& block, int sampleSize);

// A pointer position as the picker takes it from a move report: a value left
// of or above the desktop's first column or row + 1 is raised to it.
Point ClampPickerPosition(Point p, const Rect& virtualDesktop);

}  // namespace vix
