#include "app/tool_set.h"

#include <array>
#include <tuple>

#include "app/application.h"
#include "capture/capture_dialogs.h"
#include "capture/capture_page.h"
#include "capture/capture_tool.h"
#include "color/color_info_panel.h"
#include "color/color_library_page.h"
#include "color/color_picker.h"
#include "photoshop/photoshop_bridge.h"
#include "platform/clipboard.h"
#include "platform/system_cursors.h"
#include "ruler/ruler_page.h"
#include "tools/tool_checks.h"
#include "update/update_dialog.h"
#include "update/update_service.h"

#include "tools/standalone_tools.h"

// The tools that stand on their own, made with the host alone and sharing
// nothing with the others, entered after them: each is its include here and
// its name in the list.
#include "pin/pin_tool.h"
#include "spacing/spacing_tool.h"
namespace vix {
using OwnTools = StandaloneTools<SpacingTool, PinTool>;
}

namespace vix {
namespace {

// The tools as the table gets them, each tool named once: here the build
// fails when two of them run under one mode, or when a letter is two keys.
template <class... T>
std::array<Tool*, sizeof...(T)> ToolList(T&... tools) {
    static_assert(DistinctModes<T...>(), "two tools run under one mode");
    static_assert(DistinctLetters<T...>(), "a letter is taken by two hot keys");
    static_assert(WellFormedKeys<T...>(), "a tool's key is no letter described under its name");
    return {&tools...};
}

}  // namespace

// The tools and what they share, wired to one another: the picker's samples
// go to the library, the library's colours back to the picker, the colour
// and the snapshot to Photoshop. The update service comes last, as it
// starts after the tools.
struct ToolSet::Tools {
    Tools(ToolHost& host, RegistryStore& registry, UpdateHost& updateHost)
        : picker(host, clipboard, cursors, colorInfo),
          library(host, registry),
          ruler(host),
          capture(host, captureDialogs, cursors, clipboard),
          photoshop(host, [this] { return capture.ExportBitmap(); }),
          update(updateHost, updateDialog),
          standalone(host) {
        picker.onSampleTaken = [this](ColorWord c) { library.Newcolor(c); };
        // The button is enabled only once a colour has been taken.
        picker.onColorToPS = [this](ColorWord c) {
            photoshop.ExportColor(true, Red(c), Green(c), Blue(c));
        };
        library.formatIndex = [this] { return picker.FormatIndex(); };
        library.onTakeColor = [this](ColorWord c) { picker.TakeLibraryColor(c); };
        capture.SetPhotoshopOutputs(
            {.btnCaptureToPSClick =
                 [this](bool enabled) { photoshop.ExportSnapshot(ExportKind::Document, enabled); },
             .btnCaptureToPSLayerClick =
                 [this](bool enabled) { photoshop.ExportSnapshot(ExportKind::Layer, enabled); }});
        standalone.Offer(capture);
    }

    // In the order their pages are built.
    auto All() {
        return std::apply(
            [this](auto&... own) {
                return ToolList(picker, library, colorInfo, ruler, capture, screenCapture,
                                rectangleCapture, controlCapture, photoshop, update, own...);
            },
            standalone.tools);
    }

    // The colour and the snapshot both open the clipboard with the main
    // window.
    platform::ClipboardWriter clipboard{[] { return Application::Instance().MainWindow(); }};
    platform::WinSystemCursors cursors;
    ColorInfoPanel colorInfo;
    ColorPicker picker;
    ColorLibraryPage library;
    RulerPage ruler;
    SystemCaptureDialogs captureDialogs;
    CapturePage capture;
    ScreenCaptureTool screenCapture{capture.Tools()};
    RectangleCaptureTool rectangleCapture{capture.Tools()};
    ControlCaptureTool controlCapture{capture.Tools()};
    PhotoshopBridge photoshop;
    // The update check, its dialog and the links page.
    Tvix_update updateDialog;
    UpdateService update;
    OwnTools standalone;
};

ToolSet::ToolSet(ToolHost& host, RegistryStore& registry, UpdateHost& update)
    : tools_(std::make_unique<Tools>(host, registry, update)) {}

ToolSet::~ToolSet() = default;

void ToolSet::AddTo(ToolTable& table) {
    for (Tool* tool : tools_->All())
        table.Add(*tool);
}

void ToolSet::LinkSettingsDialog(SettingsDialogServices& services) {
    services.clearColorLibrary = [this] { tools_->library.ClearColorLibrary(); };
    // The dialog selects the version the start's lookup may still choose.
    services.installedPhotoshopVersions = [this] {
        tools_->photoshop.DiscoverDueVersions();
        return PhotoshopBridge::InstalledVersions();
    };
    services.choosePhotoshopVersion = [this](const PhotoshopVersionList& list) {
        tools_->photoshop.ChooseFromSettings(list.keyNames, list.selected);
    };
}

}  // namespace vix
