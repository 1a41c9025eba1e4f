#pragma once

#include <windows.h>

#include <string>

#include "app/tool_host.h"

// A stand-in for the main window where tools run on their own: in the
// Windows tests and the benchmarks.

namespace vix::test {

class FakeToolHost : public ToolHost {
  public:
    HWND window = nullptr;
    std::uint8_t mode = 0;
    std::wstring prompt;
    Settings settings;
    wchar_t decimal = L'.';

    HWND MainWindow() const override { return window; }
    std::uint8_t CurrentMode() const override { return mode; }
    void SetCurrentMode(std::uint8_t m) override { mode = m; }
    void SetModePrompt(std::wstring p) override { prompt = std::move(p); }
    const Settings& CurrentSettings() const override { return settings; }
    wchar_t DecimalSeparator() const override { return decimal; }
};

// Handles this thread's messages for `ms` milliseconds.
void Pump(DWORD ms);

}  // namespace vix::test
