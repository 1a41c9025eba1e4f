#include "app/tool_set.h"

namespace vix {

ToolSet::ToolSet(ToolHost& host, RegistryStore& registry)
    : picker_(host, clipboard_, cursors_, colorInfo_),
      library_(host, registry),
      ruler_(host),
      capture_(host, captureDialogs_, cursors_),
      photoshop_(host, [this] { return capture_.Tools().CurrentSnapshot().OutputBitmap(); }) {
    picker_.onSampleTaken = [this](ColorWord c) { library_.Newcolor(c); };
    // The button is enabled only once a colour has been taken.
    picker_.onColorToPS = [this](ColorWord c) {
        photoshop_.ExportColor(true, Red(c), Green(c), Blue(c));
    };
    library_.formatIndex = [this] { return picker_.FormatIndex(); };
    library_.onTakeColor = [this](ColorWord c) { picker_.TakeLibraryColor(c); };
    capture_.SetPhotoshopOutputs(
        {.btnCaptureToPSClick =
             [this](bool enabled) { photoshop_.ExportSnapshot(ExportKind::Document, enabled); },
         .btnCaptureToPSLayerClick =
             [this](bool enabled) { photoshop_.ExportSnapshot(ExportKind::Layer, enabled); }});
}

void ToolSet::AddTo(ToolTable& table) {
    for (Tool* tool : std::initializer_list<Tool*>{&picker_, &library_, &colorInfo_, &ruler_,
                                                   &capture_, &screenCapture_, &rectangleCapture_,
                                                   &controlCapture_, &photoshop_})
        table.Add(*tool);
}

void ToolSet::LinkSettingsDialog(SettingsDialogServices& services) {
    services.clearColorLibrary = [this] { library_.ClearColorLibrary(); };
    services.installedPhotoshopVersions = [] { return PhotoshopBridge::InstalledVersions(); };
    services.choosePhotoshopVersion = [this](const PhotoshopVersionList& list) {
        photoshop_.ChooseFromSettings(list.keyNames, list.selected);
    };
}

}  // namespace vix
