#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "driver.h"

// Each test starts from a user who never ran the program (no registry keys)
// and leaves no copy running.

namespace vix::e2e {

class VixTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts vix.exe and waits for its main window.
    HWND StartVix();
    // Clicks the Exit caption button and waits for the process to end.
    void CloseVix();
    HWND Main() const { return main_; }
    HWND Control(const std::wstring& text) const;
    HWND Tab(const std::wstring& caption) const { return Control(caption); }
    void ClickTab(const std::wstring& caption);
    // Clicks a section's toggle and waits until the window has its new height.
    void ToggleSection(const std::wstring& toggleHint);
    // The main window's client height as the program's own eight pages give
    // it: the bars and pages of a tool added since are left out, so that the
    // heights these tests know hold whatever tools come.
    int ClientHeight() const;
    std::wstring HintBarText() const;
    // With the picker on: points at `p`, waits until the picker's tick has
    // taken `live` there, presses the right button and waits until the
    // sample is handled.
    void Sample(POINT p, std::uint32_t live);
    // The live colour's values in the RGB form, as 0x00RRGGBB.
    std::uint32_t LiveRgb() const;

    std::unique_ptr<VixProcess> vix_;
    HWND main_ = nullptr;
};

}  // namespace vix::e2e
