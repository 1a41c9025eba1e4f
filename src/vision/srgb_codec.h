#pragma once

#include <cstdint>

// The sRGB transfer curve between 8-bit values and linear light in 32-bit
// floats: decoding through a table of the 256 values, encoding exactly
// rounded (the 8-bit value nearest to 255 times the curve of x, for every
// float x) through a table of where each step begins.

namespace vix {

class SrgbCodec {
  public:
    // Built once, on first use.
    static const SrgbCodec& Instance();

    float Decode(std::uint8_t v) const { return decode_[v]; }

    // `x` is clamped to 0..1 first (NaN counts as 0).
    std::uint8_t Encode(float x) const {
        x = x > 0.0f ? (x < 1.0f ? x : 1.0f) : 0.0f;
        // Exact: the scale is a power of two. A bucket holds at most one step
        // (the steepest part of the curve, near black, has steps 1/3300
        // apart), so one comparison settles the value.
        const int bucket = static_cast<int>(x * kBuckets);
        const int base = base_[bucket];
        return static_cast<std::uint8_t>(base + (x >= step_[base] ? 1 : 0));
    }

    // The smallest float that encodes to `v` + 1 (v below 255).
    float StepAbove(std::uint8_t v) const { return step_[v]; }

    static constexpr int kBuckets = 4096;

  private:
    SrgbCodec();

    float decode_[256];
    // step_[k]: the smallest float whose encoding is above k; the last one
    // is never reached.
    float step_[256];
    // base_[i]: the encoding of i / kBuckets.
    std::uint8_t base_[kBuckets + 1];
};

// The curve in double: 0..1 in, 0..1 out.
double SrgbToLinear(double c);
double LinearToSrgb(double x);

}  // namespace vix
