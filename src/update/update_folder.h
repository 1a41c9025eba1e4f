#pragma once

#include <string>
#include <string_view>

// Where the update program is kept: in a folder of the user's own, under
// the user's local application data, never beside the program itself (a
// folder others may write to, and whose libraries the system would load
// into the update program).

namespace vix {

inline constexpr wchar_t kUpdateProgramName[] = L"update.exe";

// The update folder below the user's local application data folder `local`
// (with its trailing backslash), with a trailing backslash of its own.
std::wstring UpdateFolderIn(std::wstring_view local);

// The folder followed by "update.exe".
std::wstring UpdateProgramPath(std::wstring_view folder);

}  // namespace vix
