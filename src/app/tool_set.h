#pragma once

#include <functional>

#include "app/section_layout.h"
#include "capture/capture_dialogs.h"
#include "capture/capture_page.h"
#include "capture/capture_tool.h"
#include "color/color_info_panel.h"
#include "color/color_library_page.h"
#include "color/color_picker.h"
#include "photoshop/photoshop_bridge.h"
#include "common/registry_store.h"
#include "hotkeys/hot_key_actions.h"
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
    ToolSet(ToolHost& host, RegistryStore& registry, PhotoshopBridge::Links photoshop)
        : host_(host), registry_(registry), photoshop_(host, std::move(photoshop)) {}

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
    // The tools' buttons that the hot keys press.
    void BindHotKeyButtons(HotKeyActions& actions);
    void ClearColorLibrary() { library_.ClearColorLibrary(); }
    // The installed Photoshop versions, at each showing of the main window.
    void DiscoverPhotoshop() { photoshop_.DiscoverVersions(); }
    // The installed Photoshop versions of both registry views.
    static std::vector<std::wstring> InstalledPhotoshopVersions() {
        return PhotoshopBridge::InstalledVersions();
    }
    // The settings dialog's OK when another Photoshop version was picked.
    void ChoosePhotoshopVersion(std::vector<std::wstring> keyNames, int selected) {
        photoshop_.ChooseFromSettings(std::move(keyNames), selected);
    }
    // The snapshot's output picture, for Photoshop; null before any capture.
    HBITMAP SnapshotPicture();

  private:
    ToolHost& host_;
    RegistryStore& registry_;
    platform::WinClipboard clipboard_;
    platform::WinSystemCursors cursors_;
    ColorInfoPanel colorInfo_;
    ColorPicker picker_{host_, clipboard_, cursors_, colorInfo_};
    ColorLibraryPage library_{host_, registry_};
    RulerPage ruler_{host_};
    CaptureServices captureServices_{host_};
    SystemCaptureDialogs captureDialogs_;
    CapturePage capture_{captureServices_, captureDialogs_, cursors_};
    ScreenCaptureTool screenCapture_{capture_.Tools()};
    RectangleCaptureTool rectangleCapture_{capture_.Tools()};
    ControlCaptureTool controlCapture_{capture_.Tools()};
    PhotoshopBridge photoshop_;
};

}  // namespace vix
