#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

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

// The model in double, written out from the sRGB standard.
double Lin(int v) {
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double Gamma(double x) {
    x = std::fmin(1.0, std::fmax(0.0, x));
    return 255.0 * (x <= 0.0031308 ? 12.92 * x : 1.055 * std::pow(x, 1 / 2.4) - 0.055);
}

struct Expected {
    double rgb[3];  // 0..255, before rounding
};

Expected Reference(const double* m, int r, int g, int b) {
    const double in[3] = {Lin(r), Lin(g), Lin(b)};
    Expected e{};
    for (int i = 0; i < 3; ++i)
        e.rgb[i] = Gamma(m[i * 3] * in[0] + m[i * 3 + 1] * in[1] + m[i * 3 + 2] * in[2]);
    return e;
}

std::uint32_t Pixel(int r, int g, int b) {
    return static_cast<std::uint32_t>(r << 16 | g << 8 | b);
}

// The float arithmetic may land on the other side of a half only when the
// exact value is within a hair of it.
void ExpectChannel(int got, double exact, const char* what) {
    const double fromHalf = std::fabs(exact - std::floor(exact) - 0.5);
    if (fromHalf > 1e-3)
        EXPECT_EQ(got, static_cast<int>(std::lround(exact))) << what << " exact " << exact;
    else
        EXPECT_NEAR(got, exact, 0.5 + 1e-3) << what;
}

void ExpectSimulated(const VisionFilter& filter, const double* m, int r, int g, int b) {
    const std::uint32_t out = filter.ApplyToPixel(0xAB000000u | Pixel(r, g, b));
    const Expected e = Reference(m, r, g, b);
    SCOPED_TRACE(testing::Message() << "rgb " << r << "," << g << "," << b);
    EXPECT_EQ(out >> 24, 0xABu) << "the unused byte is kept";
    ExpectChannel(static_cast<int>(out >> 16 & 0xFF), e.rgb[0], "red");
    ExpectChannel(static_cast<int>(out >> 8 & 0xFF), e.rgb[1], "green");
    ExpectChannel(static_cast<int>(out & 0xFF), e.rgb[2], "blue");
}

constexpr int kSamples[][3] = {{255, 0, 0},    {0, 255, 0},    {0, 0, 255},    {255, 255, 255},
                               {0, 0, 0},      {255, 153, 51}, {12, 200, 90},  {128, 128, 128},
                               {200, 30, 180}, {1, 2, 3},      {90, 170, 250}, {255, 255, 0}};

TEST(VisionSimulation, AtTheTableStepsMatchesThePublishedMatrices) {
    const struct {
        Vision vision;
        double severity;
        const double* m;
    } cases[] = {{Vision::Protanopia, 100, kProtan100},
                 {Vision::Protanopia, 30, kProtan30},
                 {Vision::Deuteranopia, 100, kDeutan100},
                 {Vision::Tritanopia, 100, kTritan100},
                 {Vision::Tritanopia, 70, kTritan70}};
    for (const auto& c : cases) {
        const VisionFilter filter(c.vision, c.severity);
        for (const auto& s : kSamples)
            ExpectSimulated(filter, c.m, s[0], s[1], s[2]);
    }
}

TEST(VisionSimulation, BetweenStepsEachEntryIsInterpolatedLinearly) {
    const struct {
        Vision vision;
        double severity;
        const double *low, *high;
        double t;
    } cases[] = {{Vision::Protanopia, 35, kProtan30, kProtan40, 0.5},
                 {Vision::Protanopia, 33, kProtan30, kProtan40, 0.3},
                 {Vision::Tritanopia, 77.5, kTritan70, kTritan80, 0.75}};
    for (const auto& c : cases) {
        double m[9];
        for (int i = 0; i < 9; ++i)
            m[i] = c.low[i] * (1 - c.t) + c.high[i] * c.t;
        const Matrix3 built = VisionMatrix(c.vision, c.severity);
        for (int i = 0; i < 9; ++i)
            EXPECT_NEAR(built[static_cast<std::size_t>(i)], m[i], 1e-12) << c.severity;
        const VisionFilter filter(c.vision, c.severity);
        for (const auto& s : kSamples)
            ExpectSimulated(filter, m, s[0], s[1], s[2]);
    }
    // Out of range is held to the ends.
    EXPECT_EQ(VisionMatrix(Vision::Protanopia, 140), VisionMatrix(Vision::Protanopia, 100));
    EXPECT_EQ(VisionMatrix(Vision::Deuteranopia, -5), kIdentity3);
}

TEST(VisionSimulation, AchromatopsiaIsTheLuminanceInEveryChannel) {
    const VisionFilter filter(Vision::Achromatopsia, 100);
    for (const auto& s : kSamples) {
        const double y = 0.2126 * Lin(s[0]) + 0.7152 * Lin(s[1]) + 0.0722 * Lin(s[2]);
        const int grey = static_cast<int>(std::lround(Gamma(y)));
        const std::uint32_t out = filter.ApplyToPixel(Pixel(s[0], s[1], s[2]));
        EXPECT_EQ(out, Pixel(grey, grey, grey)) << s[0] << "," << s[1] << "," << s[2];
    }
    // Half way: each channel half way between itself and the luminance, in
    // linear light.
    const VisionFilter half(Vision::Achromatopsia, 50);
    const double y = 0.2126 * Lin(255) + 0.7152 * Lin(153) + 0.0722 * Lin(51);
    const std::uint32_t out = half.ApplyToPixel(Pixel(255, 153, 51));
    EXPECT_EQ(static_cast<int>(out >> 16), std::lround(Gamma((Lin(255) + y) / 2)));
    EXPECT_EQ(static_cast<int>(out >> 8 & 0xFF), std::lround(Gamma((Lin(153) + y) / 2)));
    EXPECT_EQ(static_cast<int>(out & 0xFF), std::lround(Gamma((Lin(51) + y) / 2)));
}

// Colours come back unchanged through the whole arithmetic when nothing is
// to change: every one for Normal vision, and for each deficiency at 0 % a
// lattice of every third value per channel, shifted per deficiency.
TEST(VisionSimulation, NoChangeGivesTheColoursBack) {
    const auto same = [](const VisionFilter& filter, const std::vector<std::uint32_t>& in) {
        std::vector<std::uint32_t> out(in.size());
        const auto* from = reinterpret_cast<const std::uint8_t*>(in.data());
        auto* to = reinterpret_cast<std::uint8_t*>(out.data());
        const int width = 256;
        filter.ApplyToRows(from, width * 4, to, width * 4, width,
                           static_cast<int>(in.size()) / width);
        return std::memcmp(in.data(), out.data(), in.size() * 4) == 0;
    };
    std::vector<std::uint32_t> all(256 * 256 * 256);
    for (std::uint32_t i = 0; i < all.size(); ++i)
        all[i] = i;
    EXPECT_TRUE(same(VisionFilter(Vision::Normal, 100), all));
    const Vision deficiencies[] = {Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia,
                                   Vision::Achromatopsia};
    for (int k = 0; k < 4; ++k) {
        std::vector<std::uint32_t> lattice;
        for (int r = k % 3; r < 256; r += 3)
            for (int g = (k + 1) % 3; g < 256; g += 3)
                for (int b = (k + 2) % 3; b < 256; b += 3)
                    lattice.push_back(Pixel(r, g, b));
        for (int v = 0; v < 256; ++v)
            lattice.push_back(Pixel(v, v, v));
        lattice.resize(lattice.size() / 256 * 256);
        EXPECT_TRUE(same(VisionFilter(deficiencies[k], 0), lattice)) << k;
    }
}

// Exactly rounded for every float between 0 and 1 tried: a sweep, and the
// floats on both sides of every step.
TEST(SrgbCodec, EncodesEveryFloatToTheNearestValue) {
    const SrgbCodec& codec = SrgbCodec::Instance();
    const auto reference = [](float x) {
        return static_cast<int>(std::lround(Gamma(static_cast<double>(x))));
    };
    for (int i = 0; i <= 1 << 20; ++i) {
        const float x = static_cast<float>(i) / (1 << 20);
        ASSERT_EQ(codec.Encode(x), reference(x)) << x;
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

TEST(VisionSimulation, BottomUpRowsAndInPlace) {
    // Two rows of two pixels, stored bottom-up, simulated in place.
    std::uint32_t pixels[4] = {Pixel(255, 0, 0), Pixel(0, 255, 0), Pixel(0, 0, 255),
                               Pixel(255, 153, 51)};
    std::uint32_t expected[4];
    const VisionFilter filter(Vision::Deuteranopia, 100);
    for (int i = 0; i < 4; ++i)
        expected[i] = filter.ApplyToPixel(pixels[i]);
    auto* bottomRow = reinterpret_cast<std::uint8_t*>(pixels) + 8;
    filter.ApplyToRows(bottomRow, -8, bottomRow, -8, 2, 2);
    EXPECT_EQ(std::memcmp(pixels, expected, sizeof pixels), 0);
}

}  // namespace
}  // namespace vix
