#include "vix_fixture.h"

#include <cwchar>
#include <optional>

#include "color/color_control_ids.h"
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
    // Then the controls of the pages not shown, built by a message posted
    // once the queue has run dry after that paint: a paint asked for once it
    // is posted comes after it, and one asked for now may come just before.
    WaitInputHandled(main_);
    WaitInputHandled(main_);
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
    ASSERT_TRUE(WaitUntil([&] { return ClientHeight() != before; }));
    WaitPainted(main_);
}

std::wstring VixTest::HintBarText() const { return TextOf(FindById(main_, kIdHintLabel)); }

void VixTest::Sample(POINT p, std::uint32_t live) {
    PointAt(p);
    // The picker learns of moves through its mouse hook, which the system
    // passes by when the program is slow to answer: the move is repeated
    // until the picker has seen it.
    ULONGLONG nudged = ::GetTickCount64();
    EXPECT_TRUE(WaitUntil([&] {
        if (LiveRgb() == live) return true;
        if (::GetTickCount64() - nudged > 300) {
            nudged = ::GetTickCount64();
            PointAt(p);
        }
        return false;
    })) << std::hex
        << LiveRgb() << " instead of " << live;
    RightClickAt(p);
    // Right clicks reach the program through the hook only, posted on.
    ASSERT_TRUE(WaitInputHandled(Main()));
}

std::uint32_t VixTest::LiveRgb() const {
    std::uint32_t c = 0;
    for (int id : {kIdLiveRed, kIdLiveGreen, kIdLiveBlue}) {
        const std::wstring text = TextOf(FindById(main_, id));
        c = c << 8 |
            static_cast<std::uint32_t>(text.empty() ? 0 : std::wcstoul(text.c_str(), nullptr, 10));
    }
    return c;
}

// The picker's three pages, the ruler's three, the capture page and the
// links page come first in the table.
constexpr int kProgramsOwnPages = 8;

int VixTest::ClientHeight() const {
    int added = 0;
    for (int i = kProgramsOwnPages; i < kMaxPages; ++i)
        for (int id : {kIdPageFirst + i, kIdBarFirst + i})
            if (HWND w = FindById(main_, id); w && ::IsWindowVisible(w)) added += ClientSize(w).cy;
    return ClientSize(main_).cy - added;
}

}  // namespace vix::e2e
