#pragma once

#include <optional>
#include <vector>

#include "tools/program_window.h"

// The windows a tool or a dialog owner brings to the program: each is
// created by the program's window owner, the nine of ProgramWindow in their
// order, then any other a tool brings, in the order brought.

namespace vix {

namespace ui {
class ProgramForm;
}

struct OwnedWindow {
    std::optional<ProgramWindow> which;  // none: a window beyond the nine
    ui::ProgramForm* form;
};
using OwnedWindows = std::vector<OwnedWindow>;

}  // namespace vix
