#include "app/command_line_entry.h"

#include <windows.h>

#include <string>

#include "capture/command_line_capture.h"
#include "color/command_line_pick.h"
#include "common/program_names.h"
#include "platform/console_output.h"
#include "platform/program_arguments.h"
#include "platform/registry.h"
#include "settings/read_only_registry.h"
#include "settings/settings_store.h"
#include "tools/command_line.h"

namespace vix {
namespace {

using platform::OutputStream;

// A system message ends in a line break, and a file name may hold one: the
// message stays one line for the scripts that read it.
std::wstring OneLine(std::wstring text) {
    for (wchar_t& c : text)
        if (c == L'\r' || c == L'\n') c = L' ';
    while (!text.empty() && text.back() == L' ')
        text.pop_back();
    return text;
}

// The settings as the program would load them, with nothing stored.
Settings ReadSettings() {
    platform::WinRegistry real;
    ReadOnlyRegistry registry(real);
    Settings settings;
    LoadSettingsKey(registry, settings);
    return settings;
}

int Report(const CommandOutcome& outcome) {
    if (outcome.code != kExitDone)
        platform::TellStarter(OneLine(outcome.message), OutputStream::Err, kApplicationTitle, true);
    return outcome.code;
}

}  // namespace

std::optional<int> RunCommandLine() {
    const CommandLine line = ParseCommandLine(platform::ProgramArguments());
    switch (line.action) {
        case CommandLine::Action::Start: return std::nullopt;
        case CommandLine::Action::Usage:
            platform::TellStarter(kCommandLineUsage, OutputStream::Out, kApplicationTitle, true);
            return kExitDone;
        case CommandLine::Action::Error: return Report({kExitBadArgument, line.error});
        case CommandLine::Action::Capture:
            return Report(RunCaptureCommand(line.capture, ReadSettings().jpegQuality));
        case CommandLine::Action::Pick:
            return Report(RunPickCommand(line.pickAt, ReadSettings().clipboardFormat));
    }
    return std::nullopt;
}

}  // namespace vix
