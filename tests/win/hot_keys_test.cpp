// The global hot keys: atoms as identifiers, a result per key, a key held
// by another program, and everything given back.

#include <gtest/gtest.h>

#include <vector>

#include "fake_tool_host.h"
#include "platform/hot_keys.h"
#include "platform/window.h"

namespace vix::platform {
namespace {

// Combinations nobody uses, so that a running desktop keeps its own.
constexpr UINT kMods = MOD_CONTROL | MOD_ALT | MOD_SHIFT;
constexpr HotKeySpec kKeys[] = {
    {L"VixTestHotKeyOne", kMods, VK_F9},
    {L"VixTestHotKeyTwo", kMods, VK_F10},
    {L"VixTestHotKeyThree", kMods, VK_F11},
};

class KeyWindow final : public Window {
  public:
    KeyWindow() {
        Create({.name = L"VixHotKeyTest"}, {.style = WS_POPUP, .text = L"keys", .bounds = {}});
    }
    std::vector<WPARAM> pressed;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_HOTKEY) pressed.push_back(wParam);
        return DefaultHandling(message, wParam, lParam);
    }
};

void PressWithModifiers(WORD key) {
    std::vector<INPUT> in;
    const auto add = [&in](WORD k, DWORD flags) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        i.ki.dwFlags = flags;
        in.push_back(i);
    };
    for (WORD m : {VK_CONTROL, VK_MENU, VK_SHIFT})
        add(m, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    for (WORD m : {VK_SHIFT, VK_MENU, VK_CONTROL})
        add(m, KEYEVENTF_KEYUP);
    ::SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

TEST(HotKeys, EveryKeyIsRegisteredUnderItsAtomAndArrivesWithIt) {
    KeyWindow window;
    HotKeys keys(window.hwnd(), kKeys);
    ASSERT_EQ(keys.keys().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const HotKeyState& k = keys.keys()[i];
        EXPECT_TRUE(k.registered) << i << ": error " << k.error;
        EXPECT_EQ(k.id, ::GlobalFindAtomW(kKeys[i].atomName)) << i;
        EXPECT_EQ(keys.IndexOf(k.id), static_cast<int>(i));
    }
    EXPECT_EQ(keys.IndexOf(0x1234), -1);
    PressWithModifiers(VK_F10);
    ASSERT_TRUE(test::PumpUntil([&] { return !window.pressed.empty(); })) << "no WM_HOTKEY";
    EXPECT_EQ(keys.IndexOf(window.pressed[0]), 1);
}

TEST(HotKeys, AKeyHeldElsewhereFailsAloneWith1409) {
    KeyWindow other;
    // Another program holds the second combination.
    ASSERT_TRUE(::RegisterHotKey(other.hwnd(), 0x2345, kMods, VK_F10));
    KeyWindow window;
    {
        HotKeys keys(window.hwnd(), kKeys);
        EXPECT_TRUE(keys.keys()[0].registered);
        EXPECT_FALSE(keys.keys()[1].registered);
        EXPECT_EQ(keys.keys()[1].error, 1409u);
        EXPECT_TRUE(keys.keys()[1].TakenElsewhere());
        EXPECT_NE(keys.keys()[1].id, 0) << "its atom is still kept, and given back";
        EXPECT_TRUE(keys.keys()[2].registered) << "the others still work";
    }
    // Giving back left the other program's key alone.
    EXPECT_FALSE(::RegisterHotKey(window.hwnd(), 0x2346, kMods, VK_F10));
    EXPECT_TRUE(::UnregisterHotKey(other.hwnd(), 0x2345));
}

TEST(HotKeys, ReleaseGivesBackTheKeysAndTheAtomsOnce) {
    KeyWindow window;
    HotKeys keys(window.hwnd(), kKeys);
    HotKeys moved(std::move(keys));
    EXPECT_TRUE(keys.keys().empty());  // NOLINT(bugprone-use-after-move)
    keys.Release();                    // the moved-from owner gives nothing back
    KeyWindow probe;
    EXPECT_FALSE(::RegisterHotKey(probe.hwnd(), 0x3456, kMods, VK_F9)) << "still held";
    moved.Release();
    moved.Release();
    for (const HotKeySpec& spec : kKeys)
        EXPECT_EQ(::GlobalFindAtomW(spec.atomName), 0) << "atom of " << spec.virtualKey;
    ASSERT_TRUE(::RegisterHotKey(probe.hwnd(), 0x3456, kMods, VK_F9)) << "free again";
    ::UnregisterHotKey(probe.hwnd(), 0x3456);
}

}  // namespace
}  // namespace vix::platform
