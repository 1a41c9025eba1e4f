#include "update/version_resource.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vix {
namespace {

// A version block laid out by hand as the resource compiler writes it: the
// header (length, fixed part's length, type), the key in UTF-16 with its
// terminator, two bytes of padding, then the thirteen 32-bit fields of the
// fixed part.
std::vector<std::uint8_t> Block(std::uint32_t productMs, std::uint32_t signature = 0xFEEF04BD,
                                const char* key = "VS_VERSION_INFO") {
    std::vector<std::uint8_t> b;
    const auto put16 = [&](std::uint32_t v) {
        b.push_back(static_cast<std::uint8_t>(v));
        b.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    const auto put32 = [&](std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    put16(0);   // length, set below
    put16(52);  // the fixed part's length
    put16(0);   // binary
    for (const char* c = key; *c; ++c)
        put16(static_cast<std::uint8_t>(*c));
    put16(0);
    while (b.size() % 4)
        b.push_back(0);
    EXPECT_EQ(b.size(), 40u);
    const std::uint32_t fields[13] = {signature,  0x00010000, 0x00070003, 0x00000009, productMs,
                                      0x00000001, 0x3F,       0,          0x40004,    1,
                                      0,          0,          0};
    for (std::uint32_t f : fields)
        put32(f);
    b[0] = static_cast<std::uint8_t>(b.size());
    b[1] = static_cast<std::uint8_t>(b.size() >> 8);
    return b;
}

TEST(ReadFixedVersion, ReadsTheFileAndProductVersions) {
    const auto version = ReadFixedVersion(Block(0x00020005));
    ASSERT_TRUE(version);
    EXPECT_EQ(version->fileMs, 0x00070003u);
    EXPECT_EQ(version->fileLs, 9u);
    EXPECT_EQ(version->productMs, 0x00020005u);
    EXPECT_EQ(version->productLs, 1u);
}

TEST(ReadFixedVersion, RefusesWhatIsNotAWholeVersionBlock) {
    const std::vector<std::uint8_t> good = Block(0x00020005);
    std::vector<std::uint8_t> cut(good.begin(), good.end() - 1);
    std::vector<std::uint8_t> longer = good;  // claims more than it holds
    longer[0] = static_cast<std::uint8_t>(good.size() + 4);
    std::vector<std::uint8_t> noFixed = good;
    noFixed[2] = 0;
    const std::vector<std::vector<std::uint8_t>> bad = {
        {},
        cut,
        longer,
        noFixed,
        Block(0x00020005, 0xFEEF04BC),
        Block(0x00020005, 0xFEEF04BD, "VS_VERSION_INFX")};
    for (const auto& block : bad)
        EXPECT_FALSE(ReadFixedVersion(block)) << block.size();
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
    for (const Case& c : cases) {
        FixedVersion v;
        v.productMs = c.productMs;
        EXPECT_EQ(UpdateProgramVersionFits(v, c.major, c.minor), c.fits)
            << std::hex << c.productMs << " vs " << std::dec << c.major << "." << c.minor;
    }
    EXPECT_FALSE(UpdateProgramVersionFits(std::nullopt, 0, 0));
}

}  // namespace
}  // namespace vix
