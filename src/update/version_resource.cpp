#include "update/version_resource.h"

#include <array>
#include <string_view>

namespace vix {
namespace {

constexpr std::uint32_t kFixedSignature = 0xFEEF04BD;
// The block's header: its length, the fixed part's length and a type, each
// 16 bits, then "VS_VERSION_INFO" and its terminator in UTF-16, padded to
// 32 bits.
constexpr std::u16string_view kKey = u"VS_VERSION_INFO";
constexpr std::size_t kFixedOffset = (6 + (kKey.size() + 1) * 2 + 3) / 4 * 4;
constexpr std::size_t kFixedSize = 13 * 4;

std::uint32_t Word16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8);
}
std::uint32_t Word32(std::span<const std::uint8_t> b, std::size_t at) {
    return Word16(b, at) | Word16(b, at + 2) << 16;
}

}  // namespace

std::optional<FixedVersion> ReadFixedVersion(std::span<const std::uint8_t> block) {
    if (block.size() < kFixedOffset + kFixedSize) return std::nullopt;
    const std::uint32_t length = Word16(block, 0);
    if (length < kFixedOffset + kFixedSize || length > block.size()) return std::nullopt;
    if (Word16(block, 2) < kFixedSize) return std::nullopt;
    for (std::size_t i = 0; i <= kKey.size(); ++i) {
        const char16_t expected = i < kKey.size() ? kKey[i] : u'\0';
        if (Word16(block, 6 + 2 * i) != expected) return std::nullopt;
    }
    if (Word32(block, kFixedOffset) != kFixedSignature) return std::nullopt;
    // After the signature: the structure's version, then the file and the
    // product version, most significant half first.
    return FixedVersion{Word32(block, kFixedOffset + 8), Word32(block, kFixedOffset + 12),
                        Word32(block, kFixedOffset + 16), Word32(block, kFixedOffset + 20)};
}

bool UpdateProgramVersionFits(const std::optional<FixedVersion>& version, std::int32_t major,
                              std::int32_t minor) {
    if (!version || major < 0 || minor < 0) return false;
    const std::int64_t ownMajor = version->productMs >> 16, ownMinor = version->productMs & 0xFFFF;
    return ownMajor > major || (ownMajor == major && ownMinor >= minor);
}

}  // namespace vix
