#include "common/write_in_full.h"

namespace vix {

std::uint32_t WriteInFull(std::span<const std::uint8_t> bytes, const WriteCall& write,
                          std::uint32_t stalled) {
    while (!bytes.empty()) {
        const WritePart part = write(bytes);
        if (part.error != 0) return part.error;
        if (part.written == 0 || part.written > bytes.size()) return stalled;
        bytes = bytes.subspan(part.written);
    }
    return 0;
}

}  // namespace vix
