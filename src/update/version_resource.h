#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// The fixed part of a program's version resource, read from its raw bytes,
// and whether an update program's own version is the one it is offered as.

namespace vix {

struct FixedVersion {
    std::uint32_t fileMs = 0, fileLs = 0;        // major << 16 | minor, build << 16 | patch
    std::uint32_t productMs = 0, productLs = 0;  // the same for the product
};

// The fixed version of a VS_VERSIONINFO block; nothing when the block is
// cut short, is not one, or carries no fixed part with its signature.
std::optional<FixedVersion> ReadFixedVersion(std::span<const std::uint8_t> block);

// An update program installs the product version its resource names: one
// older than the version offered (major.minor) would install an older
// program than the server said, so it is refused, as is one with no
// readable version at all.
bool UpdateProgramVersionFits(const std::optional<FixedVersion>& version, std::int32_t major,
                              std::int32_t minor);

}  // namespace vix
