#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

// Writing a block through a call that may take less than it is given: a disk
// that fills up takes what still fits and refuses the rest only at the next
// call, which then names the reason (a full disk) itself.

namespace vix {

struct WritePart {
    std::size_t written = 0;  // taken from the front of what was offered
    std::uint32_t error = 0;  // the system's error code of a failed call; 0 for none
};
using WriteCall = std::function<WritePart(std::span<const std::uint8_t> offered)>;

// Offers `write` what is left of `bytes` until all is written. Returns 0 when
// it is, else the error of the call that failed, or `stalled` for a call that
// took nothing (or claimed more than it was offered) without an error.
std::uint32_t WriteInFull(std::span<const std::uint8_t> bytes, const WriteCall& write,
                          std::uint32_t stalled);

}  // namespace vix
