#include "app/program_windows.h"

#include <stdexcept>

#include "app/startup_timeline.h"

namespace vix {
namespace {

struct Placeholder {
    ProgramWindow which;
    PlaceholderSpec spec;
};

// The windows whose subsystems have not come yet.
constexpr Placeholder kPlaceholders[] = {
    {ProgramWindow::PsVersion, {L"Tvix_psVersion", L"Information", kDialogStyle}},
    {ProgramWindow::Preview, {L"Tvix_imgpreview", L"Image preview", WS_OVERLAPPEDWINDOW}},
    {ProgramWindow::HotTracker, {L"THottracker", L"", kOverlayStyle}},
    {ProgramWindow::Rectangle, {L"Trectan", L"", kOverlayStyle}},
};

}  // namespace

void ProgramWindows::Create(HWND owner) {
    // Creating the main window loads the settings and adds the tray icon,
    // all before the other eight windows exist.
    main_.Create(owner);
    startup::Mark("main window");
    std::array<ui::ProgramForm*, kProgramWindowCount> forms{};
    for (const OwnedWindow& w : main_.Windows())
        forms[static_cast<std::size_t>(w.which)] = w.form;
    for (const Placeholder& p : kPlaceholders) {
        ui::ProgramForm*& form = forms[static_cast<std::size_t>(p.which)];
        if (form) continue;
        placeholders_.push_back(std::make_unique<PlaceholderForm>(p.spec));
        form = placeholders_.back().get();
    }
    for (std::size_t i = 1; i < forms.size(); ++i) {
        if (!forms[i]) throw std::logic_error("a window of the program has no owner");
        forms[i]->Create(owner);
    }
    startup::Mark("other eight windows");
}

}  // namespace vix
