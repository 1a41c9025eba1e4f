#pragma once

#include <functional>

#include "app/section_layout.h"
#include "color/color_info_panel.h"
#include "color/color_library_page.h"
#include "color/color_picker.h"
#include "common/registry_store.h"
#include "platform/clipboard.h"
#include "platform/system_cursors.h"
#include "ruler/ruler_page.h"
#include "settings/settings.h"
#include "tools/tool_host.h"
#include "tools/tool_table.h"
#include "tools/tool_windows.h"
#include "ui/panel.h"

// The tools on the main window's pages and what they share: built on their
// pages, entered in the tool table, wired to one another. A new tool is added
// here; the main window only knows the table.

namespace vix {

class ToolSet {
  public:
    ToolSet(ToolHost& host, RegistryStore& registry) : host_(host), registry_(registry) {}

    // Builds each tool's controls on its page and enters the tools in `table`.
    void Build(const std::function<ui::Panel&(Page)>& page, ToolTable& table);
    // The windows the tools own, for the program to create in its order.
    OwnedWindows Windows();

    // After a load of the settings: the library as the settings say, the
    // value form and the ruler unit selected.
    void SettingsLoaded(const Settings& settings, bool keyOpened);
    // At creation: point sampling, no colour taken; the library's save
    // button enabled when the library holds a colour.
    void ResetSampling() { picker_.ResetSampling(); }
    void EnableLibrarySave() { library_.EnableSaveButton(library_.Library().Count() > 0); }

  private:
    ToolHost& host_;
    RegistryStore& registry_;
    platform::WinClipboard clipboard_;
    platform::WinSystemCursors cursors_;
    ColorInfoPanel colorInfo_;
    ColorPicker picker_{host_, clipboard_, cursors_, colorInfo_};
    ColorLibraryPage library_{host_, registry_};
    RulerPage ruler_{host_};
};

}  // namespace vix
