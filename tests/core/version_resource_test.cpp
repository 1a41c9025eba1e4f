#include "update/version_resource.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <tuple>
#include <vector>

namespace vix {
namespace {

// A version block laid out by hand as the resource compiler writes it: its
// length, the fixed part's length (52), the type; the key in UTF-16 with its
// terminator, padded to 40 bytes; the thirteen 32-bit fields of the fixed part.
std::vector<std::uint8_t> Block(std::uint32_t productMs) {
    std::vector<std::uint8_t> b = {92, 0, 52, 0, 0, 0};
    for (const char c : "VS_VERSION_INFO")
        b.insert(b.end(), {static_cast<std::uint8_t>(c), 0});
    b.resize(40);
    for (const std::uint32_t f : {0xFEEF04BDu, 0x00010000u, 0x00070003u, 9u, productMs, 1u, 0x3Fu,
                                  0u, 0x40004u, 1u, 0u, 0u, 0u})
        for (int shift = 0; shift < 32; shift += 8)
            b.push_back(static_cast<std::uint8_t>(f >> shift));
    return b;
}

TEST(ReadFixedVersion, ReadsTheFileAndProductVersionsAndRefusesWhatIsNotAWholeBlock) {
    const std::vector<std::uint8_t> good = Block(0x00020005);
    const auto v = ReadFixedVersion(good);
    ASSERT_TRUE(v);
    EXPECT_EQ(std::tuple(v->fileMs, v->fileLs, v->productMs, v->productLs),
              std::tuple(0x00070003u, 9u, 0x00020005u, 1u));

    EXPECT_FALSE(ReadFixedVersion({})) << "empty";
    EXPECT_FALSE(ReadFixedVersion(std::span(good).first(good.size() - 1))) << "cut short";
    for (const auto& [what, at, value] : {std::tuple{"longer than it holds", 0, 96},
                                          {"no fixed part", 2, 0},
                                          {"another key", 34, 'X'},
                                          {"another signature", 40, 0xBC}}) {
        std::vector<std::uint8_t> block = good;
        block[at] = static_cast<std::uint8_t>(value);
        EXPECT_FALSE(ReadFixedVersion(block)) << what;
    }
}

TEST(UpdateProgramVersionFits, ProductVersionNoOlderThanTheOffer) {
    struct Case {
        std::uint32_t productMs;
        std::int32_t major, minor;
        bool fits;
    };
    constexpr Case cases[] = {
        {0x00020001, 2, 1, true},   {0x00020005, 2, 1, true},         {0x00030000, 2, 9, true},
        {0x00020000, 2, 1, false},  {0x00010009, 2, 0, false},        {0x0002000A, 2, 10, true},
        {0x00020009, 2, 10, false}, {0xFFFFFFFF, 65535, 65535, true}, {0x00020001, 65536, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            UpdateProgramVersionFits(FixedVersion{.productMs = c.productMs}, c.major, c.minor),
            c.fits)
            << std::hex << c.productMs << " vs " << std::dec << c.major << "." << c.minor;
    EXPECT_FALSE(UpdateProgramVersionFits(std::nullopt, 0, 0));
}

}  // namespace
}  // namespace vix
