// The program's hot keys on a real window: the keys the plan leaves out are
// free for other programs, a key another program holds is listed as taken,
// and the layouts are asked what Ctrl+Alt types.

#include <gtest/gtest.h>

#include "hotkeys/hot_key_service.h"
#include "hotkeys/keyboard_layouts.h"
#include "platform/window.h"

namespace vix {
namespace {

class KeyWindow final : public platform::Window {
  public:
    explicit KeyWindow(const wchar_t* name) {
        Create({.name = L"VixHotKeyServiceTest"}, {.style = WS_POPUP, .text = name, .bounds = {}});
    }
};

constexpr UINT kCtrlAlt = MOD_CONTROL | MOD_ALT;

// Whether another window can take Ctrl+Alt+`letter` now (it gives it back).
bool FreeForOthers(char letter) {
    KeyWindow other(L"other");
    if (!::RegisterHotKey(other.hwnd(), 0x2001, kCtrlAlt, static_cast<UINT>(letter))) return false;
    ::UnregisterHotKey(other.hwnd(), 0x2001);
    return true;
}

TEST(HotKeyService, KeysThatTypeACharacterAndCAreLeftFreeTheOthersAreTaken) {
    KeyWindow main(L"main");
    const LayoutFacts layouts[] = {{L"00000407", {{'E', L"\u20AC"}}}};
    HotKeyService service;
    service.Register(main.hwnd(), HotKeyRows(), layouts);
    EXPECT_TRUE(FreeForOthers('E'));
    EXPECT_TRUE(FreeForOthers('C'));
    for (char key : {'P', 'L', 'M', 'X'})
        EXPECT_FALSE(FreeForOthers(key)) << key;
    EXPECT_EQ(service.LeftOut(), L"Not in use: Ctrl+Alt+E (types \u20AC), Ctrl+Alt+C (no action)");
    service.Release();
    for (char key : {'P', 'L', 'M', 'X'})
        EXPECT_TRUE(FreeForOthers(key)) << key;
}

TEST(HotKeyService, AKeyHeldByAnotherProgramIsListedAndTheOthersWork) {
    KeyWindow other(L"other");
    ASSERT_TRUE(::RegisterHotKey(other.hwnd(), 0x2002, kCtrlAlt, 'M'));
    KeyWindow main(L"main");
    HotKeyService service;
    service.Register(main.hwnd(), HotKeyRows(), {});
    EXPECT_EQ(service.Plan().FateOf(HotKeyId::MinimizeVix), HotKeyFate::TakenElsewhere);
    EXPECT_TRUE(service.Plan().Registers(HotKeyId::ScreenPicker));
    EXPECT_FALSE(FreeForOthers('P'));
    EXPECT_NE(service.LeftOut().find(L"Ctrl+Alt+M (used by another program)"), std::wstring::npos)
        << service.LeftOut();
    ::UnregisterHotKey(other.hwnd(), 0x2002);
}

TEST(HotKeyService, RegisteringAgainGivesTheFirstKeysBack) {
    KeyWindow main(L"main");
    HotKeyService service;
    service.Register(main.hwnd(), HotKeyRows(), {});
    const LayoutFacts polish[] = {{L"00000415", {{'L', L"\u0142"}}}};
    service.Register(main.hwnd(), HotKeyRows(), polish);
    EXPECT_TRUE(FreeForOthers('L'));
    EXPECT_FALSE(FreeForOthers('U'));
}

TEST(KeyboardLayouts, EveryInstalledLayoutIsAskedAndControlCodesAreNotCharacters) {
    const std::vector<LayoutFacts> layouts = InstalledLayoutFacts(ActionLetters());
    ASSERT_FALSE(layouts.empty());
    for (const LayoutFacts& layout : layouts) {
        EXPECT_EQ(layout.layout.size(), 8u);
        for (const auto& [letter, text] : layout.typed)
            EXPECT_FALSE(text.empty()) << letter;
    }
    // The plan made from them keeps Ctrl+Alt+C out whatever the layouts are.
    EXPECT_EQ(PlanHotKeys(layouts).FateOf(HotKeyId::Capture), HotKeyFate::NoAction);
}

}  // namespace
}  // namespace vix
