#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// Whole files written in one block.

namespace vix::platform {

// Writes `bytes` as the file `path` (any Unicode name). The data goes to a
// temporary file beside it first, which then replaces the file, so a failed
// write leaves an existing file as it was. On failure, the user's message:
// "Cannot create file "<path>". <reason>".
std::optional<std::wstring> WriteWholeFile(const std::wstring& path,
                                           std::span<const std::uint8_t> bytes);

// The system's text for an error code, without the trailing line break.
std::wstring SystemErrorText(unsigned long code);

}  // namespace vix::platform
