#pragma once

#include <windows.h>

#include <functional>
#include <string>

// What the version chooser needs of the main window: the two settings of
// the choice, saving them, the error box and running a dialog behind which
// the main window steps back.

namespace vix {

class PhotoshopVersionHost {
  public:
    virtual ~PhotoshopVersionHost() = default;
    // The stored choice: the version chosen, and the newest version
    // installed when it was chosen.
    virtual std::wstring ChosenVersion() const = 0;
    virtual std::wstring LastListedVersion() const = 0;
    // Stores both and saves the settings.
    virtual void StoreChoice(const std::wstring& chosenVersion,
                             const std::wstring& lastListedVersion) = 0;
    // The application's general error box.
    virtual void ShowError(const std::wstring& text) = 0;
    // Runs `dialog` with the main window moved behind it, and puts the main
    // window on top again afterwards; `owner` is the main window, on which
    // the dialog is centred.
    virtual void RunBehind(const std::function<void(HWND owner)>& dialog) = 0;
};

}  // namespace vix
