#pragma once

#include <functional>

#include "common/geometry.h"
#include "platform/gdi_color.h"
#include "ui/form.h"

// The control capture's hot-tracking frame: a red one-pixel line just
// outside the window under the pointer, shaped with a window region so that
// everything inside and around it stays visible and clickable. It also
// gives the capture's acknowledgement flash.

namespace vix {

class THottracker final : public ui::ProgramForm {
  public:
    void Create(HWND owner) override;

    // Places the frame topmost at `bounds` without activating it; its region
    // becomes the outermost ring of pixels.
    void PlaceFrame(int x, int y, int width, int height);
    // White, red, white, red, with blocking waits of 50, 50 and 70 ms: the
    // capture's acknowledgement. `wait` blocks for so many milliseconds; a
    // test passes one that only notes them.
    using Wait = std::function<void(DWORD ms)>;
    void Flash(const Wait& wait = [](DWORD ms) { ::Sleep(ms); });
    platform::GdiColor Colour() const { return colour_; }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void ShowColour(platform::GdiColor colour);
    // The frame's own colour; the flash turns it white in between.
    static constexpr platform::GdiColor kRed = platform::GdiColor::Rgb(255, 0, 0);
    platform::GdiColor colour_ = kRed;
};

}  // namespace vix
