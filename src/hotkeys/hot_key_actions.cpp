#include "hotkeys/hot_key_actions.h"

#include <memory>
#include <optional>
#include <utility>

namespace vix {
namespace {

void Run(const std::function<void()>& handler) {
    if (handler) handler();
}

using Shared = std::shared_ptr<const HotKeyActions>;

// Opens `tab` unless it is open already, so that a key on its own tab
// leaves the running tool alone.
void OpenTab(const HotKeyActions& a, int tab) {
    if (!a.changePage) return;
    if (a.openTab && a.openTab() == tab) return;
    a.changePage(tab);
}

void Expand(const HotKeyActions& a, HotKeyPage page) {
    if (a.pageExpanded && a.pageExpanded(page)) return;
    if (a.expandPage) a.expandPage(page);
}

// Opens `tab`, then presses `button` (a member of the actions).
std::function<void()> OnTab(Shared a, int tab, std::function<void()> HotKeyActions::*button) {
    return [a, tab, button] {
        OpenTab(*a, tab);
        if (button) Run((*a).*button);
    };
}

std::function<void()> ExpandAndPress(Shared a, int tab, HotKeyPage page,
                                     std::function<void()> HotKeyActions::*button) {
    return [a, tab, page, button] {
        OpenTab(*a, tab);
        Expand(*a, page);
        Run((*a).*button);
    };
}

std::function<void()> Press(Shared a, std::function<void()> HotKeyActions::*button) {
    return [a, button] { Run((*a).*button); };
}

void Minimize(const HotKeyActions& a) {
    if (a.trayOffersMinimize && a.trayOffersMinimize())
        Run(a.minimize);
    else
        Run(a.restore);
    Run(a.hideOwner);
}

}  // namespace

void BindHotKeys(ToolTable& table, HotKeyActions actions) {
    const Shared a = std::make_shared<const HotKeyActions>(std::move(actions));
    using A = HotKeyActions;
    const auto bind = [&table](char letter, std::function<void()> action,
                               std::optional<int> onlyOnTab = std::nullopt) {
        table.BindHotKey({.letter = letter, .onlyOnTab = onlyOnTab, .action = std::move(action)});
    };
    bind('P', ExpandAndPress(a, kPickerTab, HotKeyPage::ColorPicker, &A::pickerButton));
    bind('L', OnTab(a, kPickerTab, nullptr));
    bind('I', OnTab(a, kPickerTab, nullptr));
    bind('W', OnTab(a, kPickerTab, &A::webSafeColor));
    bind('U', ExpandAndPress(a, kRulerTab, HotKeyPage::Ruler, &A::rulerButton));
    bind('R', OnTab(a, kRulerTab, &A::rotateRuler));
    bind('F', OnTab(a, kRulerTab, &A::flipRuler));
    bind('E', OnTab(a, kCaptureTab, &A::captureEntireScreen));
    bind('T', OnTab(a, kCaptureTab, &A::captureRectangle));
    bind('O', OnTab(a, kCaptureTab, &A::captureControl));
    bind('S', Press(a, &A::saveSnapshot), kCaptureTab);
    bind('S', Press(a, &A::saveLibrary), kPickerTab);
    bind('A', Press(a, &A::exportColor), kPickerTab);
    bind('A', Press(a, &A::exportSnapshot), kCaptureTab);
    bind('X', Press(a, &A::copyColor), kPickerTab);
    bind('X', Press(a, &A::copySnapshot), kCaptureTab);
    bind('M', [a] { Minimize(*a); });
}

}  // namespace vix
