#include "platform/program_arguments.h"

#include <windows.h>

#include <memory>

#include "platform/system_libraries.h"

namespace vix::platform {
namespace {

// Whether anything follows the program's name, which is quoted or runs to
// the first blank.
bool HasArguments(const wchar_t* line) {
    if (!line) return false;
    if (*line == L'"') {
        ++line;
        while (*line && *line != L'"')
            ++line;
        if (*line) ++line;
    } else {
        while (*line && *line != L' ' && *line != L'\t')
            ++line;
    }
    while (*line == L' ' || *line == L'\t')
        ++line;
    return *line != 0;
}

struct LocalFreeArgs {
    void operator()(LPWSTR* args) const { ::LocalFree(args); }
};

}  // namespace

std::vector<std::wstring> ProgramArguments() {
    const wchar_t* line = ::GetCommandLineW();
    if (!HasArguments(line)) return {};
    const auto split =
        BoundFunction<decltype(&::CommandLineToArgvW)>(SystemLibrary::Shell, "CommandLineToArgvW");
    int count = 0;
    std::unique_ptr<LPWSTR, LocalFreeArgs> args(split ? split(line, &count) : nullptr);
    // Without the shell the words are not split: the whole line is one, which
    // no option matches, and the user is told so.
    if (!args) return {std::wstring(line)};
    if (count < 1) return {};
    return std::vector<std::wstring>(args.get() + 1, args.get() + count);
}

}  // namespace vix::platform
