#pragma once

#include <windows.h>

#include <cstdint>

// A colour as GDI takes it, or no colour at all. GDI's own colour words
// (RGB(), GetSysColor) convert to it as they are; any other 32-bit integer
// does not, because the program's portable colour word carries flags in its
// top byte that GDI would read as a palette request. The colour subsystem
// converts its own colours explicitly (color/color_gdi.h).

namespace vix::platform {

class GdiColor {
  public:
    // No colour: whoever draws uses its default.
    constexpr GdiColor() = default;
    constexpr GdiColor(COLORREF ref) : ref_(ref) {}  // NOLINT: GDI's colours convert freely
    GdiColor(unsigned int) = delete;
    GdiColor(int) = delete;

    static constexpr GdiColor Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return GdiColor(RGB(r, g, b));
    }
    static GdiColor System(int index) { return GdiColor(::GetSysColor(index)); }

    constexpr bool None() const { return ref_ == CLR_INVALID; }
    // This colour, or `fallback` when there is none.
    constexpr GdiColor Or(GdiColor fallback) const { return None() ? fallback : *this; }
    constexpr COLORREF Ref() const { return ref_; }
    constexpr std::uint8_t Red() const { return GetRValue(ref_); }
    constexpr std::uint8_t Green() const { return GetGValue(ref_); }
    constexpr std::uint8_t Blue() const { return GetBValue(ref_); }
    // The colour as a pixel of a 32-bit DIB: 0x00RRGGBB.
    constexpr std::uint32_t DibPixel() const {
        return (static_cast<std::uint32_t>(Red()) << 16) |
               (static_cast<std::uint32_t>(Green()) << 8) | Blue();
    }

    friend constexpr bool operator==(GdiColor, GdiColor) = default;

  private:
    COLORREF ref_ = CLR_INVALID;
};

inline constexpr GdiColor kNoColor{};
inline constexpr GdiColor kBlack = GdiColor::Rgb(0, 0, 0);
inline constexpr GdiColor kWhite = GdiColor::Rgb(255, 255, 255);

}  // namespace vix::platform
