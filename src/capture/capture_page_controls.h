#pragma once

#include <optional>

#include "common/geometry.h"

// What the screen capture needs of the capture page's controls, behind an
// interface so that the capture can be driven without them.

namespace vix {

// The capture page's three check boxes.
struct CaptureChoices {
    bool multiCapture = false;
    bool sequence = false;
    bool withCursor = false;
};

enum class CaptureButton { kScreen, kRectangle, kControl };

class CapturePageControls {
  public:
    virtual ~CapturePageControls() = default;

    virtual CaptureChoices Choices() const = 0;
    // Unticks the sequence box (no folder was chosen).
    virtual void UntickSequence() = 0;
    // The size labels; nothing empties them.
    virtual void ShowSizeLabels(std::optional<Size> size) = 0;
    // The mode button's pictures: "disable" while its mode runs, "enable" else.
    virtual void ShowModeRunning(CaptureButton button, bool running) = 0;
    // The five output buttons: enabled for good once a capture arrives.
    virtual void EnableCaptureButtons() = 0;
    virtual bool CaptureButtonsEnabled() const = 0;
};

}  // namespace vix
