#pragma once

#include <cstdint>
#include <functional>

#include "common/geometry.h"

// What the capture page offers tools that send its snapshot somewhere: the
// snapshot itself with the screen area it was taken from, whether its outputs
// are enabled, its own outputs (the save dialog and formats, the clipboard,
// the preview) for a picture a tool holds, and a place for a tool's own
// output beside them, on the page and in the preview. A tool that wants it
// declares `void UseSnapshotOutputs(SnapshotOutputs&)`; the tool set hands it
// over before any page is built.

namespace vix {

// A picture of the screen held by someone else: 32-bit pixels (blue, green,
// red, an unused byte), the top row first, rows without gaps, and the screen
// area (virtual-desktop coordinates, negative ones included) it shows; the
// picture is that area's size.
struct ScreenPicture {
    const std::uint32_t* pixels = nullptr;
    Rect screen;

    int width() const { return screen.width(); }
    int height() const { return screen.height(); }
    bool empty() const { return pixels == nullptr || width() <= 0 || height() <= 0; }
};

// An output a tool adds: a picture-only button beside the page's own
// outputs, enabled with them, and the same button in the preview. `send`
// gets the picture the button stands for: the snapshot on the page, the
// picture shown in the preview.
struct SnapshotOutput {
    const wchar_t* hint = L"";
    const wchar_t* picture =
        L"";  // the pictures' base name: `_70` at rest, `_100` under the pointer
    std::function<void(const ScreenPicture&)> send;
};

class SnapshotOutputs {
  public:
    virtual ~SnapshotOutputs() = default;

    // Before the capture page is built.
    virtual void AddOutput(SnapshotOutput output) = 0;
    // Whether the page's outputs are enabled (a capture has been taken).
    virtual bool OutputsEnabled() const = 0;
    // The current snapshot, valid until the next capture; empty before the
    // first.
    virtual ScreenPicture CurrentSnapshot() const = 0;

    // The snapshot's outputs for `picture`: the user is told of a failure.
    virtual void Save(const ScreenPicture& picture) = 0;
    virtual void CopyToClipboard(const ScreenPicture& picture) = 0;
    // Shows a copy of `picture` in the preview, modally.
    virtual void Preview(const ScreenPicture& picture) = 0;
};

}  // namespace vix
