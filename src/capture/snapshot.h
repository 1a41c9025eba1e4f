#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "capture/pixel_view.h"
#include "capture/snapshot_join.h"
#include "platform/gdi.h"

// The snapshot: the working 32-bit picture, the screen area it covers and
// the output copy (a 32-bit bottom-up device-independent bitmap) that the
// files, the clipboard and Photoshop read. Empty until the first capture.

namespace vix {

struct CaptureOptions {
    bool multiCapture = false;  // join to the snapshot instead of replacing it
    bool withCursor = false;    // draw the mouse cursor in
};

class Snapshot {
  public:
    // Copies `area` (screen pixels, right and bottom exclusive) from `source`,
    // starting at its pixel `sourceOrigin`, into the snapshot: replacing it,
    // or joined to it with the multi-capture option. A refused capture (an
    // empty area, a picture too large, no memory) leaves the snapshot as it
    // was and returns the user's message.
    std::optional<std::wstring> CopyToBuffer(HDC source, const Rect& area, Point sourceOrigin,
                                             const CaptureOptions& options);

    bool Empty() const { return state_.empty() || !picture_; }
    const SnapshotState& State() const { return state_; }
    // The working picture, top row first; its DC-selectable bitmap.
    PixelView Pixels() const;
    const platform::DibSection& Picture() const { return picture_; }
    // The output copy: rows stored bottom-up, as a 32-bit DIB keeps them.
    PixelView Output() const;
    HBITMAP OutputBitmap() const { return output_.get(); }

    // Frees the pictures (the main window's close).
    void Clear();

  private:
    std::optional<std::wstring> Recapture(HDC source, const CapturePlan& plan, const Rect& area,
                                          Point sourceOrigin, const CaptureOptions& options);
    // Draws the cursor now shown at the pointer, if it can be found.
    void DrawCursor();
    bool RefreshOutput();

    platform::DibSection picture_;  // top-down
    platform::Bitmap output_;       // bottom-up copy
    void* outputBits_ = nullptr;
    SnapshotState state_;
};

}  // namespace vix
