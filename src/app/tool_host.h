#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "settings/settings.h"
#include "color/color_value.h"

// What the colour tools need of the main window, which owns the shared state:
// the running tool, the information bar's prompt and the settings.

namespace vix {

class ToolHost {
  public:
    virtual ~ToolHost() = default;
    virtual HWND MainWindow() const = 0;
    virtual std::uint8_t CurrentMode() const = 0;
    virtual void SetCurrentMode(std::uint8_t mode) = 0;
    virtual void SetModePrompt(std::wstring prompt) = 0;
    virtual const Settings& CurrentSettings() const = 0;
    // The user's decimal separator.
    virtual wchar_t DecimalSeparator() const = 0;
};

}  // namespace vix
