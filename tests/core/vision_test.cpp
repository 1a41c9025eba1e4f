#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "vision/srgb_codec.h"
#include "vision/vision_filter.h"
#include "vision/vision_matrix.h"

namespace vix {
namespace {

// Rows of the published table, copied here by hand from the paper's
// supplementary table, so that a table built wrongly from the data file
// cannot agree with itself.
constexpr double kProtan30[9] = {0.630323, 0.465641,  -0.095964, 0.069181, 0.890046,
                                 0.040773, -0.006308, -0.007724, 1.014032};
constexpr double kProtan40[9] = {0.539009, 0.579343,  -0.118352, 0.082546, 0.866121,
                                 0.051332, -0.007136, -0.011959, 1.019095};
constexpr double kProtan100[9] = {0.152286, 1.052583,  -0.204868, 0.114503, 0.786281,
                                  0.099216, -0.003882, -0.048116, 1.051998};
constexpr double kDeutan100[9] = {0.367322, 0.860646,  -0.227968, 0.280085, 0.672501,
                                  0.047413, -0.011820, 0.042940,  0.968881};
constexpr double kTritan70[9] = {1.193214, -0.109812, -0.083402, -0.058496, 0.979410,
                                 0.079086, -0.002346, 0.403492,  0.598854};
constexpr double kTritan80[9] = {1.257728, -0.139648, -0.118081, -0.078003, 0.975409,
                                 0.102594, -0.003316, 0.501214,  0.502102};
constexpr double kTritan100[9] = {1.255528, -0.076749, -0.178779, -0.078411, 0.930809,
                                  0.147602, 0.004733,  0.691367,  0.303900};
constexpr double kSame[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
// Rec. 709 luminance in every channel.
constexpr double kGrey[9] = {0.2126, 0.7152, 0.0722, 0.2126, 0.7152,
                             0.0722, 0.2126, 0.7152, 0.0722};

// The model in double, written out from the sRGB standard.
double Lin(int v) {
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double Gamma(double x) {
    x = std::fmin(1.0, std::fmax(0.0, x));
    return 255.0 * (x <= 0.0031308 ? 12.92 * x : 1.055 * std::pow(x, 1 / 2.4) - 0.055);
}

std::uint32_t Pixel(int r, int g, int b) {
    return static_cast<std::uint32_t>(r << 16 | g << 8 | b);
}

// Each channel the nearest value to the matrix applied in linear light. The
// float arithmetic may land on the other side of a half only when the exact
// value is within a hair of it.
void ExpectSimulated(const VisionFilter& filter, const double* m, const int (&rgb)[3]) {
    const std::uint32_t out = filter.ApplyToPixel(0xAB000000u | Pixel(rgb[0], rgb[1], rgb[2]));
    SCOPED_TRACE(testing::Message() << "rgb " << rgb[0] << "," << rgb[1] << "," << rgb[2]);
    EXPECT_EQ(out >> 24, 0xABu) << "the unused byte is kept";
    for (int i = 0; i < 3; ++i) {
        const double exact =
            Gamma(m[i * 3] * Lin(rgb[0]) + m[i * 3 + 1] * Lin(rgb[1]) + m[i * 3 + 2] * Lin(rgb[2]));
        const int got = static_cast<int>(out >> (16 - 8 * i) & 0xFF);
        if (std::fabs(exact - std::floor(exact) - 0.5) > 1e-3)
            EXPECT_EQ(got, std::lround(exact)) << "channel " << i << " exact " << exact;
        else
            EXPECT_NEAR(got, exact, 0.5 + 1e-3) << "channel " << i;
    }
}

// Between the table's steps each entry is interpolated linearly; out of
// range the severity is held to the ends. At 0 % the matrix is the identity,
// which with the codec's round trip below gives every colour back.
TEST(VisionSimulation, TheMatricesAreThePublishedOnesAppliedInLinearLight) {
    const struct {
        Vision vision;
        double severity;
        const double *low, *high;
        double t;  // from low to high
    } cases[] = {{Vision::Normal, 100, kSame, kSame, 0},
                 {Vision::Protanopia, 0, kSame, kSame, 0},
                 {Vision::Tritanopia, 0, kSame, kSame, 0},
                 {Vision::Achromatopsia, 0, kSame, kSame, 0},
                 {Vision::Protanopia, 30, kProtan30, kProtan40, 0},
                 {Vision::Deuteranopia, 100, kDeutan100, kDeutan100, 0},
                 {Vision::Tritanopia, 100, kTritan100, kTritan100, 0},
                 {Vision::Tritanopia, 70, kTritan70, kTritan80, 0},
                 {Vision::Protanopia, 35, kProtan30, kProtan40, 0.5},
                 {Vision::Protanopia, 33, kProtan30, kProtan40, 0.3},
                 {Vision::Tritanopia, 77.5, kTritan70, kTritan80, 0.75},
                 {Vision::Achromatopsia, 100, kSame, kGrey, 1},
                 {Vision::Achromatopsia, 50, kSame, kGrey, 0.5},
                 {Vision::Protanopia, 140, kProtan100, kProtan100, 0},
                 {Vision::Deuteranopia, -5, kSame, kSame, 0}};
    constexpr int kSamples[][3] = {{255, 0, 0},    {0, 255, 0},    {0, 0, 255},    {255, 255, 255},
                                   {0, 0, 0},      {255, 153, 51}, {12, 200, 90},  {128, 128, 128},
                                   {200, 30, 180}, {1, 2, 3},      {90, 170, 250}, {255, 255, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.vision) << " at " << c.severity);
        double m[9];
        for (int i = 0; i < 9; ++i)
            m[i] = c.low[i] * (1 - c.t) + c.high[i] * c.t;
        const Matrix3 built = VisionMatrix(c.vision, c.severity);
        for (int i = 0; i < 9; ++i)
            EXPECT_NEAR(built[static_cast<std::size_t>(i)], m[i], 1e-12) << "entry " << i;
        const VisionFilter filter(c.vision, c.severity);
        for (const auto& s : kSamples)
            ExpectSimulated(filter, m, s);
    }
}

// Exactly rounded for every float between 0 and 1 tried: a sweep, and the
// floats on both sides of every step; each value decoded comes back.
TEST(SrgbCodec, EncodesEveryFloatToTheNearestValue) {
    const SrgbCodec& codec = SrgbCodec::Instance();
    for (int i = 0; i <= 1 << 20; ++i) {
        const float x = static_cast<float>(i) / (1 << 20);
        ASSERT_EQ(codec.Encode(x), std::lround(Gamma(static_cast<double>(x)))) << x;
    }
    for (int k = 0; k < 255; ++k) {
        const float step = codec.StepAbove(static_cast<std::uint8_t>(k));
        ASSERT_EQ(codec.Encode(step), k + 1) << k;
        ASSERT_EQ(codec.Encode(std::nextafter(step, 0.0f)), k) << k;
        EXPECT_GE(Gamma(step), k + 0.5);
        EXPECT_LT(Gamma(std::nextafter(step, 0.0f)), k + 0.5);
    }
    EXPECT_EQ(codec.Encode(-0.25f), 0);
    EXPECT_EQ(codec.Encode(1.5f), 255);
    EXPECT_EQ(codec.Encode(std::nanf("")), 0);
    for (int v = 0; v < 256; ++v)
        EXPECT_EQ(codec.Encode(codec.Decode(static_cast<std::uint8_t>(v))), v);
}

// Two rows of two pixels, stored bottom-up, simulated into other pixels and
// in place; Normal vision copies them.
TEST(VisionSimulation, BottomUpRowsAndInPlace) {
    for (const Vision vision : {Vision::Normal, Vision::Deuteranopia}) {
        std::uint32_t pixels[4] = {Pixel(255, 0, 0), Pixel(0, 255, 0), Pixel(0, 0, 255),
                                   Pixel(255, 153, 51)};
        std::uint32_t expected[4], other[4] = {};
        const VisionFilter filter(vision, 100);
        for (int i = 0; i < 4; ++i)
            expected[i] = filter.ApplyToPixel(pixels[i]);
        const auto bottomRow = [](std::uint32_t* p) {
            return reinterpret_cast<std::uint8_t*>(p) + 8;
        };
        filter.ApplyToRows(bottomRow(pixels), -8, bottomRow(other), -8, 2, 2);
        EXPECT_EQ(std::memcmp(other, expected, sizeof other), 0) << static_cast<int>(vision);
        filter.ApplyToRows(bottomRow(pixels), -8, bottomRow(pixels), -8, 2, 2);
        EXPECT_EQ(std::memcmp(pixels, expected, sizeof pixels), 0) << static_cast<int>(vision);
    }
}

}  // namespace
}  // namespace vix
