#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tools/tool_host.h"

// A stand-in for the main window where tools run on their own: in the
// Windows tests and the benchmarks. It records the services asked of it.

namespace vix::test {

class FakeToolHost : public ToolHost {
  public:
    HWND window = nullptr;  // the owner of dialogs run behind it
    ActiveMode mode = ActiveMode::None;
    std::wstring prompt;
    Settings settings;
    int settingsSaved = 0;
    wchar_t decimal = L'.';
    int openTab = 0;
    std::vector<int> pagesChanged;
    std::vector<int> tabsShown;  // ShowTab
    std::vector<const PageSpec*> pagesExpanded;
    std::vector<std::wstring> errors;
    std::vector<HookArm> armed;
    bool armAllowed = true;  // false: the system refuses every hook
    int keptOnTop = 0;
    int behind = 0;  // dialogs running behind the window now
    int left = 0;    // times the window stepped aside (StepAside)
    int cameBack = 0;

    int OpenTab() const override { return openTab; }
    void ChangePage(int index) override {
        pagesChanged.push_back(index);
        openTab = index;
    }
    void ExpandPage(const PageSpec& page) override { pagesExpanded.push_back(&page); }
    void ShowTab(int tab) override {
        tabsShown.push_back(tab);
        openTab = tab;
    }
    ActiveMode CurrentMode() const override { return mode; }
    void SetCurrentMode(ActiveMode m) override { mode = m; }
    void SetModePrompt(std::wstring p) override { prompt = std::move(p); }
    const Settings& CurrentSettings() const override { return settings; }
    void ChangeSettings(const std::function<void(Settings&)>& change) override {
        change(settings);
        ++settingsSaved;
    }
    wchar_t DecimalSeparator() const override { return decimal; }
    void ShowError(const std::wstring& text) override { errors.push_back(text); }
    bool ArmHook(HookArm arm) override {
        armed.push_back(arm);
        return armAllowed;
    }
    void KeepOnTop() override { ++keptOnTop; }
    int RunBehind(const std::function<int(HWND)>& dialog) override {
        ++behind;
        struct Back {
            FakeToolHost& host;
            ~Back() {
                --host.behind;
                ++host.keptOnTop;
            }
        } back{*this};
        return dialog(window);
    }
    void StepAside(bool aside) override { ++(aside ? left : cameBack); }
};

// Handles this thread's messages for `ms` milliseconds.
void Pump(DWORD ms);

// Handles this thread's messages until `done` answers true; false when `ms`
// milliseconds passed first.
template <typename F>
bool PumpUntil(F done, DWORD ms = 5000) {
    const ULONGLONG end = ::GetTickCount64() + ms;
    while (!done()) {
        if (::GetTickCount64() > end) return false;
        Pump(5);
    }
    return true;
}

}  // namespace vix::test
