#pragma once

#include <functional>

#include "tools/pages.h"
#include "tools/tool_table.h"

// What each hot key does, composed from the main window's own handlers: the
// keys press the same buttons the mouse does. A handler that is not there
// (its tool has not been built into the window) is skipped, so its key does
// nothing.

namespace vix {

// The two pages a key expands before pressing its tool's button.
enum class HotKeyPage : unsigned char { ColorPicker, Ruler };

struct HotKeyActions {
    // The tab open now (-1 for none) and the tab change (ChangePage), which
    // stops the running tool.
    std::function<int()> openTab;
    std::function<void(int tab)> changePage;
    std::function<bool(HotKeyPage page)> pageExpanded;
    std::function<void(HotKeyPage page)> expandPage;

    // Buttons.
    std::function<void()> pickerButton;
    std::function<void()> webSafeColor;
    std::function<void()> rulerButton;
    std::function<void()> rotateRuler;
    std::function<void()> flipRuler;
    std::function<void()> captureEntireScreen;
    std::function<void()> captureRectangle;
    std::function<void()> captureControl;
    std::function<void()> saveSnapshot;
    std::function<void()> saveLibrary;
    std::function<void()> copyColor;
    std::function<void()> copySnapshot;
    std::function<void()> exportColor;
    std::function<void()> exportSnapshot;

    // The tray menu: whether it offers "Minimize" (else "Maximize"), and
    // minimising, restoring and hiding the owner window of the program.
    std::function<bool()> trayOffersMinimize;
    std::function<void()> minimize;
    std::function<void()> restore;
    std::function<void()> hideOwner;
};

// Binds every key with an action to `table`, in the order the hot-key
// message tests the letters. The save, copy and export keys act only on the
// tab open when the key arrives and never change it.
void BindHotKeys(ToolTable& table, HotKeyActions actions);

}  // namespace vix
