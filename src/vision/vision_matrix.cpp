#include "vision/vision_matrix.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace vix {
namespace {

struct MachadoRow {
    Deficiency deficiency;
    int severity;  // percent
    Matrix3 m;
};

constexpr MachadoRow kMachadoRows[] = {
#include "vision/machado_rows.inc"
};

constexpr int kSteps = 11;  // 0 %, 10 %, ... 100 %

// Rows are found by position: the table must hold each anomaly's eleven
// steps, in the enum's order, severities ascending by ten.
constexpr bool TableInOrder() {
    if (std::size(kMachadoRows) != 3 * kSteps) return false;
    for (int i = 0; i < 3 * kSteps; ++i) {
        const MachadoRow& row = kMachadoRows[i];
        if (static_cast<int>(row.deficiency) != i / kSteps) return false;
        if (row.severity != (i % kSteps) * 10) return false;
    }
    return true;
}
static_assert(TableInOrder(), "cvd-machado-2009.tsv: rows missing or out of order");

Matrix3 Blend(const Matrix3& a, const Matrix3& b, double t) {
    Matrix3 m{};
    for (std::size_t i = 0; i < m.size(); ++i)
        m[i] = a[i] + (b[i] - a[i]) * t;
    return m;
}

constexpr Matrix3 kLuminanceRows = {kLumaR, kLumaG, kLumaB, kLumaR, kLumaG,
                                    kLumaB, kLumaR, kLumaG, kLumaB};

}  // namespace

const Matrix3& MachadoStep(Deficiency deficiency, int step) {
    step = std::clamp(step, 0, kSteps - 1);
    return kMachadoRows[static_cast<int>(deficiency) * kSteps + step].m;
}

Matrix3 VisionMatrix(Vision vision, double severityPercent) {
    const double s = std::isnan(severityPercent) ? 0.0 : std::clamp(severityPercent, 0.0, 100.0);
    switch (vision) {
        case Vision::Normal: return kIdentity3;
        case Vision::Achromatopsia: return Blend(kIdentity3, kLuminanceRows, s / 100.0);
        default: break;
    }
    const auto deficiency = static_cast<Deficiency>(static_cast<int>(vision) - 1);
    const double tenths = s / 10.0;
    const int low = std::min(static_cast<int>(tenths), kSteps - 2);
    return Blend(MachadoStep(deficiency, low), MachadoStep(deficiency, low + 1), tenths - low);
}

}  // namespace vix
