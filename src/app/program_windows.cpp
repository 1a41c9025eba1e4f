#include "app/program_windows.h"

#include <array>
#include <stdexcept>

#include "app/startup_timeline.h"

namespace vix {

void ProgramWindows::Create(HWND owner) {
    // Creating the main window loads the settings and adds the tray icon,
    // all before the other eight windows exist.
    main_.Create(owner);
    startup::Mark("main window");
    std::array<ui::ProgramForm*, kProgramWindowCount> forms{};
    for (const OwnedWindow& w : main_.Windows())
        forms[static_cast<std::size_t>(w.which)] = w.form;
    for (std::size_t i = 1; i < forms.size(); ++i) {
        if (!forms[i]) throw std::logic_error("a window of the program has no owner");
        forms[i]->Create(owner);
    }
    startup::Mark("other eight windows");
}

}  // namespace vix
