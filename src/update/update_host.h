#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

// What the update check and its dialog need of the program around them: the
// two update settings, a window to open the dialog over, and the way out
// once the update program runs.

namespace vix {

class UpdateHost {
  public:
    virtual ~UpdateHost() = default;
    // The program's own file: the update program must be signed by the
    // publisher who signed it.
    virtual std::wstring ProgramPath() const = 0;
    // The user's private folder for the update program, with a trailing
    // backslash; empty when there is none.
    virtual std::wstring UpdateFolder() const = 0;
    // The window the update dialog is centred on.
    virtual HWND DialogOwner() const = 0;
    // Runs the dialog with the main window behind it, and puts the main
    // window back on top afterwards.
    virtual void RunBehind(const std::function<void()>& dialog) = 0;
    // `Update_dontnotifystring`: the versions the user declined for good.
    virtual std::wstring DeclinedVersions() const = 0;
    // Stores `Update_dontnotifystring`, saves the settings and loads them
    // again.
    virtual void StoreDeclinedVersions(const std::wstring& declined) = 0;
    // `Update_program_version`: the update program fetched last.
    virtual std::int32_t UpdateProgramVersion() const = 0;
    // Stores `Update_program_version` and saves the settings.
    virtual void StoreUpdateProgramVersion(std::int32_t version) = 0;
    // The update program runs: close the main window, which ends the
    // program.
    virtual void CloseProgram() = 0;
};

}  // namespace vix
