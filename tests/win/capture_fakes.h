#pragma once

// Stand-ins for the main window and the system dialogs of the capture, and
// a window painted in known colours to capture.

#include <windows.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "capture/capture_dialogs.h"
#include "capture/capture_page_controls.h"
#include "fake_tool_host.h"
#include "platform/system_cursors.h"

namespace vix::test {

// Both the main window and the capture page.
class FakeCaptureHost final : public FakeToolHost, public CapturePageControls {
  public:
    FakeCaptureHost() {
        settings.sequenceName = L"Img_Sequence";
        settings.sequenceDigits = 3;
        settings.jpegQuality = 10;
    }

    CaptureChoices choices;
    std::optional<Size> labels;
    // Runs once inside the next label change, as a message let through
    // while the overlay is reshaped would.
    std::function<void()> onLabels;
    bool outputsEnabled = false;
    bool rectangleRunning = false;
    bool controlRunning = false;

    CaptureChoices Choices() const override { return choices; }
    void UntickSequence() override { choices.sequence = false; }
    void ShowSizeLabels(std::optional<Size> size) override {
        labels = size;
        if (onLabels) std::exchange(onLabels, nullptr)();
    }
    void ShowModeRunning(CaptureButton button, bool running) override {
        (button == CaptureButton::kRectangle ? rectangleRunning : controlRunning) = running;
    }
    void EnableCaptureButtons() override { outputsEnabled = true; }
    bool CaptureButtonsEnabled() const override { return outputsEnabled; }
};

class ScriptedDialogs final : public CaptureDialogs {
  public:
    std::deque<std::optional<SaveChoice>> saves;
    std::deque<std::optional<std::wstring>> folders;
    std::vector<std::wstring> messages;
    // Runs while the next message box is open, as the messages that box
    // lets through would.
    std::function<void()> whileMessageOpen;
    int saveDialogs = 0;

    std::optional<SaveChoice> ChooseSaveFile(HWND) override {
        ++saveDialogs;
        if (saves.empty()) return std::nullopt;
        auto next = saves.front();
        saves.pop_front();
        return next;
    }
    std::optional<std::wstring> ChooseSequenceFolder(HWND) override {
        if (folders.empty()) return std::nullopt;
        auto next = folders.front();
        folders.pop_front();
        return next;
    }
    int Message(HWND, const std::wstring& text, UINT) override {
        messages.push_back(text);
        if (whileMessageOpen) std::exchange(whileMessageOpen, nullptr)();
        return IDOK;
    }
};

class RecordingSystemCursors final : public platform::SystemCursors {
  public:
    std::vector<std::wstring> calls;
    void ReplaceSystemCursors(const wchar_t* name) override {
        calls.push_back(std::wstring(L"program ") + name);
    }
    void ReplaceWithSystemShape(const wchar_t* id) override {
        calls.push_back(L"system " + std::to_wstring(reinterpret_cast<ULONG_PTR>(id)));
    }
    void RestoreSystemCursors() override { calls.push_back(L"restore"); }
};

// A topmost popup window painted in two colours: its left half `left`, its
// right half `right` (0x00RRGGBB).
class PaintedWindow {
  public:
    PaintedWindow(const RECT& bounds, DWORD left, DWORD right, HWND parent = nullptr);
    PaintedWindow(const PaintedWindow&) = delete;
    PaintedWindow& operator=(const PaintedWindow&) = delete;
    ~PaintedWindow();
    HWND hwnd() const { return hwnd_; }
    DWORD ColourAt(int x, int width) const { return x < width / 2 ? left_ : right_; }

  private:
    static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
    HWND hwnd_ = nullptr;
    DWORD left_;
    DWORD right_;
};

// Handles this thread's messages for `ms` milliseconds.
void Pump(DWORD ms);

std::wstring TempFolder(const std::wstring& name);
std::vector<std::uint8_t> ReadFile(const std::wstring& path);

}  // namespace vix::test
