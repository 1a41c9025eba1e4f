#pragma once

#include <string>
#include <string_view>

// Where the update program is kept: in a folder of the user's own, under
// the user's local application data, never beside the program itself (a
// folder others may write to, and whose libraries the system would load
// into the update program).

namespace vix {

inline constexpr wchar_t kUpdateProgramName[] = L"update.exe";

// Whether `folder` is a full path on a drive with a trailing backslash:
// "X:\" and names, none of them empty, "." or "..", no forward slash and no
// device prefix. The folder is emptied before the update program starts,
// so a relative or empty path (which would name the current folder) is
// never taken for it.
bool IsAbsoluteFolder(std::wstring_view folder);

// The update folder below the user's local application data folder `local`
// (with its trailing backslash), with a trailing backslash of its own;
// empty when `local` is not an absolute folder.
std::wstring UpdateFolderIn(std::wstring_view local);

// The folder followed by "update.exe".
std::wstring UpdateProgramPath(std::wstring_view folder);

}  // namespace vix
