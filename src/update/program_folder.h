#pragma once

#include <optional>
#include <string>
#include <string_view>

// Where the update program is kept: beside the program itself.

namespace vix {

inline constexpr wchar_t kUpdateProgramName[] = L"update.exe";

// The folder of the program's own full path, with its trailing separator
// ("\" or "/"). Nothing when the path names no folder. Cut at the last
// separator rather than by the length of "vix.exe", so a renamed program
// still finds its own folder.
std::optional<std::wstring> ProgramFolder(std::wstring_view programPath);

// The folder followed by "update.exe".
std::wstring UpdateProgramPath(std::wstring_view folder);

}  // namespace vix
