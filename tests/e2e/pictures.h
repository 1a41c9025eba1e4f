#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Pictures the end-to-end tests compare: the clipboard's bitmap, a copy of
// the screen and image files read by the system's own decoders.

namespace vix::e2e {

// Pixels as 0x00RRGGBB, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;
    DWORD At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The clipboard's device-independent bitmap (24 or 32 bits), if it holds one.
std::optional<Picture> ClipboardBitmap();
// The screen inside `area`, copied at once.
Picture ScreenPicture(const RECT& area);
// A JPEG or TIFF file decoded by the Windows Imaging Component, which knows
// nothing of how the program writes them.
std::optional<Picture> ReadImageFile(const std::wstring& path);
// The file's bytes; empty when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::wstring& path);

// Peak signal-to-noise ratio of `b` against `a` over the three channels, in
// dB (99 for equal pictures); 0 when the sizes differ.
double Psnr(const Picture& a, const Picture& b);
// The largest difference of one channel between two colours.
int ChannelDistance(DWORD a, DWORD b);

}  // namespace vix::e2e
