#pragma once

#include <cstddef>
#include <cstdint>

// The running tool: at most one runs at a time, and the main window keeps
// which (ActiveMode). The values are those the program has always used; a
// tool added since takes a number of its own above Preview, in its own
// header (inline constexpr ActiveMode kGridMode{7}).

namespace vix {

enum class ActiveMode : std::uint8_t {
    None = 0,
    ColorPicker = 1,
    Ruler = 2,
    ControlCapture = 3,
    ScreenCapture = 4,
    RectangleCapture = 5,
    Preview = 6,  // the snapshot preview is open
};

}  // namespace vix
