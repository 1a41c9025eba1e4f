#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pe_image.h"

// What a shipped image of ours must be, each rule answering with what it
// found wrong (nothing when the image keeps it), so that a test can show a
// rule failing on a spoiled copy as well as holding on the real image.

namespace vix::binary {

// ASLR and DEP on every image, with the 64-bit address space's high entropy
// on 64-bit ones, and addresses above 2 GB usable (the 32-bit program holds
// no pointer in a signed integer; the 64-bit linker sets it anyway).
std::vector<std::string> MissingSecurityFlags(const pe::PeImage& image);

// Imported libraries outside the set every Windows 10 has, and Vix32.dll
// where `hookLibraryAllowed` is false.
std::vector<std::string> UnexpectedLibraries(const pe::PeImage& image, bool hookLibraryAllowed);
// Imported libraries of the MinGW runtime, which is linked in statically so
// that the program runs from its folder alone.
std::vector<std::string> MinGwRuntimeLibraries(const pe::PeImage& image);

// The program's manifest: runs as the user (asInvoker), says it knows Windows
// 10 and 11, and is aware of each monitor's DPI (per-monitor v2).
std::vector<std::string> ManifestProblems(std::string_view manifest);

struct FixedVersion {
    std::uint16_t major = 0, minor = 0;
    std::uint32_t fileType = 0;  // VFT_APP 1, VFT_DLL 2
};
// The fixed part of a version resource, when `data` is one
// (VS_VERSION_INFO with its signature).
std::optional<FixedVersion> ReadVersionResource(const std::vector<std::uint8_t>& data);

// The image's resource of `type`, numbered `id`, if it has one.
const pe::Resource* FindResource(const std::vector<pe::Resource>& resources, std::uint16_t type,
                                 std::uint16_t id);

}  // namespace vix::binary
