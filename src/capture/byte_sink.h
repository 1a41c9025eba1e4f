#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

// Where an encoder puts the bytes of a file, in order. The Windows side keeps
// them in memory and writes the whole file beside its target before replacing
// it, so a failed save never leaves a partial file.

namespace vix {

class ByteSink {
  public:
    virtual ~ByteSink() = default;
    // Appends `bytes`; false when they could not be taken.
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
    // Room for the next `count` bytes, to be filled in place and then
    // counted as written, or null when the sink has none to offer (the
    // writer then fills a buffer of its own and calls Write).
    virtual std::uint8_t* Claim(std::size_t /*count*/) { return nullptr; }
    // The encoder's estimate of what is coming, so that memory can be had once.
    virtual void Expect(std::size_t /*total*/) {}
};

// All the bytes in one block of memory.
class MemorySink final : public ByteSink {
  public:
    bool Write(std::span<const std::uint8_t> bytes) override;
    std::uint8_t* Claim(std::size_t count) override;
    void Expect(std::size_t total) override { Grow(total); }

    std::span<const std::uint8_t> bytes() const { return {data_.get(), size_}; }
    std::size_t size() const { return size_; }

  private:
    // Makes room for `total` bytes in all; false when memory runs out.
    bool Grow(std::size_t total);

    std::unique_ptr<std::uint8_t[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace vix
