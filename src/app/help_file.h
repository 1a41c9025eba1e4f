#pragma once

#include <windows.h>

#include <string>

// The help file, help.chm, lives beside the program and is opened by its
// full path: a bare name would be looked up in the current folder, where
// anyone's file of that name could open in its place.

namespace vix {

// "<the program's folder>\help.chm"; empty when the system does not say
// where the program is.
std::wstring HelpFilePath();

// Opens the help file in the system's help viewer, or says why it cannot.
void ShowHelp(HWND owner);

}  // namespace vix
