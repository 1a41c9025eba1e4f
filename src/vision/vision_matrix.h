#pragma once

#include <array>
#include <cstdint>

// How people with a colour-vision deficiency see colours, as 3 x 3 matrices
// over linear RGB: Machado, Oliveira and Fernandes (2009) for the three
// anomalies, and the luminance alone for achromatopsia.

namespace vix {

// In the order of the preview's "Vision" list; stored as its index.
enum class Vision : std::uint8_t { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };
inline constexpr int kVisionCount = 5;

// The three anomalies of the published table.
enum class Deficiency : std::uint8_t { protanomaly, deuteranomaly, tritanomaly };

// Row by row: m[0..2] is the first row.
using Matrix3 = std::array<double, 9>;

inline constexpr Matrix3 kIdentity3 = {1, 0, 0, 0, 1, 0, 0, 0, 1};
// Rec. 709 (sRGB) luminance weights.
inline constexpr double kLumaR = 0.2126, kLumaG = 0.7152, kLumaB = 0.0722;

// The table's matrix for `deficiency` at `step` tenths of full severity
// (0 to 10).
const Matrix3& MachadoStep(Deficiency deficiency, int step);

// The matrix for `vision` at `severityPercent` (held to 0..100): between the
// table's 10 % steps each entry is interpolated linearly. Achromatopsia
// blends from the identity to the matrix whose three rows are the luminance
// weights; Normal is the identity at any severity.
Matrix3 VisionMatrix(Vision vision, double severityPercent);

}  // namespace vix
