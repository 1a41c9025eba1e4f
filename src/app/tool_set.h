#pragma once

#include <windows.h>

#include "capture/capture_dialogs.h"
#include "capture/capture_page.h"
#include "capture/capture_tool.h"
#include "color/color_info_panel.h"
#include "color/color_library_page.h"
#include "color/color_picker.h"
#include "common/registry_store.h"
#include "photoshop/photoshop_bridge.h"
#include "platform/clipboard.h"
#include "platform/system_cursors.h"
#include "ruler/ruler_page.h"
#include "settings_dialog/settings_dialog.h"
#include "tools/tool_host.h"
#include "tools/tool_table.h"

// The program's tools, made and wired to one another: the picker's samples
// go to the library, the library's colours back to the picker, the colour
// and the snapshot to Photoshop. A new tool is added here; the main window
// knows only the table they are entered in.

namespace vix {

class ToolSet {
  public:
    ToolSet(ToolHost& host, RegistryStore& registry);
    ToolSet(const ToolSet&) = delete;
    ToolSet& operator=(const ToolSet&) = delete;

    // Enters the tools in `table`, in the order their pages are built.
    void AddTo(ToolTable& table);
    // What the settings dialog does to the tools: empty the colour library,
    // register another Photoshop version.
    void LinkSettingsDialog(SettingsDialogServices& services);

  private:
    platform::WinClipboard clipboard_;
    platform::WinSystemCursors cursors_;
    ColorInfoPanel colorInfo_;
    ColorPicker picker_;
    ColorLibraryPage library_;
    RulerPage ruler_;
    SystemCaptureDialogs captureDialogs_;
    CapturePage capture_;
    ScreenCaptureTool screenCapture_{capture_.Tools()};
    RectangleCaptureTool rectangleCapture_{capture_.Tools()};
    ControlCaptureTool controlCapture_{capture_.Tools()};
    PhotoshopBridge photoshop_;
};

}  // namespace vix
