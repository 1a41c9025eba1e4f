#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The system dialogs of the snapshot's outputs, behind an interface so that
// the outputs can be driven without a user.

namespace vix {

struct SaveChoice {
    std::wstring fileName;
    int filterIndex = 1;  // 1 to 3, as the dialog's filter list counts
};

class CaptureDialogs {
  public:
    virtual ~CaptureDialogs() = default;
    // The save dialog with the snapshot's filters and ".jpg" added to a name
    // typed without an extension; it does not ask before replacing a file.
    // Nothing when cancelled.
    virtual std::optional<SaveChoice> ChooseSaveFile(HWND owner) = 0;
    // The shell's folder browser for the image sequence, file-system folders
    // only. Nothing when cancelled.
    virtual std::optional<std::wstring> ChooseSequenceFolder(HWND owner) = 0;
    // A message box; returns the button pressed.
    virtual int Message(HWND owner, const std::wstring& text, UINT flags) = 0;
};

class SystemCaptureDialogs final : public CaptureDialogs {
  public:
    std::optional<SaveChoice> ChooseSaveFile(HWND owner) override;
    std::optional<std::wstring> ChooseSequenceFolder(HWND owner) override;
    int Message(HWND owner, const std::wstring& text, UINT flags) override;
};

inline constexpr wchar_t kSequenceFolderTitle[] = L"Choose a Directory where to save the images";

}  // namespace vix
