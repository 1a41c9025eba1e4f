#include "capture/byte_sink.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace vix {

bool MemorySink::Grow(std::size_t total) {
    if (total <= capacity_) return true;
    const std::size_t wanted = std::max(total, capacity_ + capacity_ / 2);
    // Not value-initialised: a picture of many megabytes is written once, not twice.
    std::unique_ptr<std::uint8_t[]> more(new (std::nothrow) std::uint8_t[wanted]);
    if (!more) return false;
    if (size_ > 0) std::memcpy(more.get(), data_.get(), size_);
    data_ = std::move(more);
    capacity_ = wanted;
    return true;
}

bool MemorySink::Write(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return true;
    std::uint8_t* room = Claim(bytes.size());
    if (!room) return false;
    std::memcpy(room, bytes.data(), bytes.size());
    return true;
}

std::uint8_t* MemorySink::Claim(std::size_t count) {
    if (count > SIZE_MAX - size_ || !Grow(size_ + count)) return nullptr;
    std::uint8_t* room = data_.get() + size_;
    size_ += count;
    return room;
}

}  // namespace vix
