#include "vix_fixture.h"

#include <optional>

#include "tools/control_ids.h"
#include "platform/registry.h"
#include "registry_tree.h"

namespace vix::e2e {
namespace {

// Every test starts as a first start, which deletes the program's keys. On a
// desktop of someone who uses the program those are their settings and
// colour library: the vendor key is kept aside for the run and put back at
// its end, or by the next run if this one dies.
class UsersKeysKeptAside final : public ::testing::Environment {
  public:
    void SetUp() override {
        saved_.emplace(registry_, RegistryRoot::CurrentUser,
                       L"Software\\Brellin Software Development",
                       L"Software\\VixTests\\Saved user keys");
    }
    void TearDown() override { saved_.reset(); }

  private:
    platform::WinRegistry registry_;
    std::optional<test::SavedKey> saved_;
};

[[maybe_unused]] const auto* const kKeptAside =
    ::testing::AddGlobalTestEnvironment(new UsersKeysKeptAside);

}  // namespace

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
    // The first paint, with the tabs in their shapes.
    EXPECT_TRUE(WaitPainted(main_)) << "the main window was not painted";
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
    ASSERT_TRUE(WaitUntil([&] { return ClientHeight() != before; }, 5000));
    WaitPainted(main_);
}

std::wstring VixTest::HintBarText() const { return TextOf(FindById(main_, kIdHintLabel)); }

}  // namespace vix::e2e
