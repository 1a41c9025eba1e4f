#pragma once

#include <memory>
#include <string>

#include "pictures.h"
#include "vix_fixture.h"

// The screen capture's tests start the test pattern and the program, open
// the capture page and then work as the user does: modes started with their
// buttons, the rectangle dragged by its frame, right clicks to take.

namespace vix::e2e {

class CaptureFixture : public VixTest {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Runs before the program starts, on a registry without its keys.
    virtual void BeforeStart() {}

    // The visible top-level window of the program with this class.
    HWND Overlay(const wchar_t* cls) const;
    HWND StartRectangle();
    // Points at `p` until the pointer stays there. The display's own late
    // reports of earlier pointer moves may still come through and take the
    // pointer back, and the hook library would take the part there for the
    // one under the pointer.
    void PointSteadily(POINT p);
    // A drag with the left button that starts once the pointer stays put.
    void SteadyDrag(POINT from, POINT to);
    // Drags the overlay's part under `from` to `to`, pointing at it first so
    // that the hook library knows the part.
    void DragFrame(POINT from, POINT to);
    // The overlay's bounds once `settled` holds for them; the drag's last
    // step may still be on its way when the input has been handled.
    template <typename Settled>
    RECT BoundsOnceSettled(HWND overlay, Settled settled) {
        RECT r{};
        EXPECT_TRUE(WaitUntil([&] { return settled(r = ScreenRect(overlay)); }))
            << "overlay at " << r.left << "," << r.top << " - " << r.right << "," << r.bottom;
        return r;
    }
    // Sizes the overlay by its bottom-right corner and moves it by its inside
    // until it has the bounds `to`.
    RECT ShapeRectangle(HWND overlay, const RECT& to);
    // Makes the overlay 200 x 200 with its top-left corner at `corner`.
    RECT PlaceRectangle(HWND overlay, POINT corner) {
        return ShapeRectangle(overlay, {corner.x, corner.y, corner.x + 200, corner.y + 200});
    }
    // Takes the rectangle with a right click and waits until the mode is off.
    void TakeRectangle(HWND overlay);
    bool ShowsLabels(int width, int height) const;

    // Control capture switched on and pointed at the pattern's window, the
    // frame round it; `Pattern()` is that window.
    void StartControlCaptureOnPattern();
    HWND Pattern() const { return patternWindow_; }
    // A right click on the pattern while control capture runs, handled.
    void TakePattern();
    // The pattern's window taken with control capture, which is switched off
    // again; the window as the screen shows it.
    Picture CapturePatternWindow();

    // The snapshot through the clipboard button.
    std::optional<Picture> SnapshotViaClipboard();

    std::unique_ptr<VixProcess> pattern_;
    HWND patternWindow_ = nullptr;
};

// A folder of its own for the running test in the temporary folder, with a
// name beyond ASCII, emptied first.
std::wstring ScratchFolder(const std::wstring& name);
bool FileExists(const std::wstring& path);
// The file's bytes once it has all of them: a JPEG ends with its end marker,
// a TIFF once `size` bytes are there (any size when 0).
std::vector<std::uint8_t> WholeJpeg(const std::wstring& path, DWORD timeoutMs = 5000);
// The same for a PNG file: it ends with its IEND chunk.
std::vector<std::uint8_t> WholePng(const std::wstring& path, DWORD timeoutMs = 5000);
std::vector<std::uint8_t> WholeFile(const std::wstring& path, std::size_t size,
                                    DWORD timeoutMs = 5000);

}  // namespace vix::e2e
