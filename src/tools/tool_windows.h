#pragma once

#include <vector>

#include "tools/program_window.h"

// The windows a tool or a dialog owner brings to the program: each is
// created by the program's window owner, in the order of ProgramWindow.

namespace vix {

namespace ui {
class ProgramForm;
}

struct OwnedWindow {
    ProgramWindow which;
    ui::ProgramForm* form;
};
using OwnedWindows = std::vector<OwnedWindow>;

}  // namespace vix
