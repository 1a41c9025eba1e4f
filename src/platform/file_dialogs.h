#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <optional>
#include <string>

// The system's save dialog and folder browser. Each gives a name only when
// the user chose one: the program's end while the save dialog is open (the
// main window closed, or the uninstaller closing the program) ends the
// dialog as though a name had been accepted, with none, and a save with it
// would write a file named by its extension alone into the current folder.

namespace vix::platform {

// Runs the save dialog `dialog`, whose lpstrFile holds the name typed or
// chosen. Nothing when cancelled or left without a name.
std::optional<std::wstring> AskSaveFileName(OPENFILENAMEW& dialog);

// Runs the folder browser `info`. Nothing when cancelled, left without a
// choice, or when the choice is no file-system folder.
std::optional<std::wstring> AskFolder(BROWSEINFOW& info);

}  // namespace vix::platform
