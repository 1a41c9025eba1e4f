#include "app/program_windows.h"

#include <array>
#include <stdexcept>
#include <vector>

#include "app/startup_timeline.h"

namespace vix {
namespace {

// The start-up timeline's name for each window, in creation order.
constexpr std::array<const char*, kProgramWindowCount> kTimelineNames = {
    "main window",       "  Photoshop versions", "  update",          "  preview", "  About",
    "  settings dialog", "  control frame",      "  rectangle frame", "  ruler"};

}  // namespace

void ProgramWindows::Create(HWND owner) {
    // Creating the main window loads the settings and adds the tray icon,
    // all before the other eight windows exist.
    main_.Create(owner);
    startup::Mark(kTimelineNames[0]);
    std::array<ui::ProgramForm*, kProgramWindowCount> forms{};
    std::vector<ui::ProgramForm*> others;
    for (const OwnedWindow& w : main_.Windows()) {
        if (w.which)
            forms[static_cast<std::size_t>(*w.which)] = w.form;
        else
            others.push_back(w.form);
    }
    for (std::size_t i = 1; i < forms.size(); ++i) {
        if (!forms[i]) throw std::logic_error("a window of the program has no owner");
        forms[i]->Create(owner);
        startup::Mark(kTimelineNames[i]);
    }
    startup::Mark("other eight windows");
    for (ui::ProgramForm* form : others)
        form->Create(owner);
}

}  // namespace vix
