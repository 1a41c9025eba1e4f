#include "vix_fixture.h"

#include "tools/control_ids.h"

namespace vix::e2e {

void VixTest::SetUp() {
    ResetRegistry();
    // The program asks its server at start: a loopback port where nobody
    // listens keeps every run off the network unless a test names a server.
    ::SetEnvironmentVariableW(L"VIX_UPDATE_SERVER", L"http://127.0.0.1:9");
    MoveTo({1000, 20});  // away from where the window appears
}

void VixTest::TearDown() { vix_.reset(); }

HWND VixTest::StartVix() {
    vix_ = std::make_unique<VixProcess>();
    EXPECT_TRUE(vix_->Start());
    main_ = vix_->WaitForMainWindow();
    EXPECT_NE(main_, nullptr) << "the main window did not appear";
    // Let the first paint and the tab shapes settle.
    ::Sleep(300);
    return main_;
}

void VixTest::CloseVix() {
    HWND exit = Control(L"Exit");
    ASSERT_NE(exit, nullptr);
    LeftClickAt(Center(exit));
    const auto code = vix_->WaitForExit();
    ASSERT_TRUE(code.has_value()) << "vix.exe did not end";
    EXPECT_EQ(*code, 0u);
}

HWND VixTest::Control(const std::wstring& text) const { return FindByText(main_, text); }

void VixTest::ClickTab(const std::wstring& caption) {
    HWND tab = Tab(caption);
    ASSERT_NE(tab, nullptr) << "no tab";
    LeftClickAt(TabPoint(tab));
}

void VixTest::ToggleSection(const std::wstring& toggleHint) {
    HWND toggle = Control(toggleHint);
    ASSERT_NE(toggle, nullptr) << "no toggle";
    const int before = ClientHeight();
    LeftClickAt(Center(toggle));
    ASSERT_TRUE(WaitUntil([&] { return ClientHeight() != before; }, 3000));
    ::Sleep(50);
}

std::wstring VixTest::HintBarText() const { return TextOf(FindById(main_, kIdHintLabel)); }

}  // namespace vix::e2e
