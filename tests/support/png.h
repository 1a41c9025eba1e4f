#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes 24-bit PNG files from 32-bit BGRA pixels, for screenshots that a
// person can look at. Stored (uncompressed) deflate blocks keep it small.

namespace vix::test {

std::vector<std::uint8_t> EncodePng(const std::uint32_t* bgra, int width, int height);
bool WritePng(const std::string& path, const std::uint32_t* bgra, int width, int height);

}  // namespace vix::test
