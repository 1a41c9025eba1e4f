#include "hotkeys/keyboard_layouts.h"

#include <array>
#include <cwchar>

namespace vix {
namespace {

// Asks the layout without touching the keyboard state of the thread where
// the system supports it; elsewhere a dead key is flushed below.
constexpr UINT kNoStateChange = 0x4;

std::wstring LayoutName(HKL layout) {
    wchar_t name[16] = {};
    std::swprintf(name, 16, L"%08X",
                  static_cast<unsigned>(reinterpret_cast<UINT_PTR>(layout) & 0xFFFFFFFFu));
    return name;
}

}  // namespace

LayoutFacts LayoutFactsOf(HKL layout, std::string_view letters) {
    LayoutFacts facts{.layout = LayoutName(layout), .typed = {}};
    // AltGr arrives as left Ctrl with right Alt; both generic keys are down too.
    std::array<BYTE, 256> state{};
    for (int key : {VK_CONTROL, VK_LCONTROL, VK_MENU, VK_RMENU})
        state[key] = 0x80;
    for (char letter : letters) {
        const UINT key = static_cast<unsigned char>(letter);
        const UINT scan = ::MapVirtualKeyExW(key, MAPVK_VK_TO_VSC, layout);
        wchar_t text[8] = {};
        const int count = ::ToUnicodeEx(key, scan, state.data(), text, 8, kNoStateChange, layout);
        if (count < 0) {
            // A dead key: it types its accent with the next key, so it types
            // a character too. Pressing it again clears it.
            wchar_t flush[8] = {};
            ::ToUnicodeEx(key, scan, state.data(), flush, 8, kNoStateChange, layout);
            facts.typed[letter] = std::wstring(1, text[0]);
        } else if (count > 0) {
            facts.typed[letter] = std::wstring(text, static_cast<std::size_t>(count));
        }
    }
    return facts;
}

std::vector<LayoutFacts> InstalledLayoutFacts(std::string_view letters) {
    const int count = ::GetKeyboardLayoutList(0, nullptr);
    std::vector<HKL> layouts(static_cast<std::size_t>(count > 0 ? count : 0));
    if (count > 0)
        layouts.resize(static_cast<std::size_t>(::GetKeyboardLayoutList(count, layouts.data())));
    std::vector<LayoutFacts> facts;
    for (HKL layout : layouts)
        facts.push_back(LayoutFactsOf(layout, letters));
    return facts;
}

}  // namespace vix
