#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "photoshop/photoshop_exporter.h"
#include "photoshop/version_chooser.h"
#include "tools/tool.h"
#include "tools/tool_host.h"
#include "tools/tool_windows.h"
#include "ui/timer.h"

// The Photoshop bridge as a part of the main window: the three exports and
// the version chooser, which looks for newly installed versions at every
// showing of the window; served by the tool host (the pages, the window kept
// on top, dialogs run behind it, the settings).

namespace vix {

class PhotoshopBridge final : public Tool,
                              private PhotoshopExportServices,
                              private PhotoshopVersionHost {
  public:
    // `snapshot` gives the snapshot's output picture, null when there is none.
    PhotoshopBridge(ToolHost& host, std::function<HBITMAP()> snapshot);

    // Tool: the chooser is one of the program's windows; each showing of
    // the main window looks for the installed versions. The lookup waits
    // until the main window has painted (a timer's tick comes after every
    // pending paint); what needs its result (the exports, the settings
    // dialog) runs it first while it is still due.
    const char* Name() const override { return "Photoshop"; }
    OwnedWindows Windows() override { return {{ProgramWindow::PsVersion, &chooser_}}; }
    void Shown() override { DiscoverVersions(); }
    void DiscoverVersions();
    // Runs the lookup now if it is still due.
    void DiscoverDueVersions();
    bool DiscoveryDue() const { return discoveryDue_; }
    // The installed versions of both registry views, as discovery finds them.
    static std::vector<std::wstring> InstalledVersions() { return InstalledPhotoshopVersions(); }
    // The settings dialog's OK when another version was picked there.
    void ChooseFromSettings(std::vector<std::wstring> versions, int selected) {
        DiscoverDueVersions();
        ChooseVersionFromSettings(chooser_, std::move(versions), selected);
    }

    // ExportColorToPS, btnCaptureToPSClick and btnCaptureToPSLayerClick;
    // `enabled` is the export button's state.
    void ExportColor(bool enabled, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    void ExportSnapshot(ExportKind kind, bool enabled);

  private:
    // PhotoshopExportServices
    HWND OwnerWindow() const override { return chooser_.hwnd(); }
    void ShowPage(int pageIndex) override;
    HBITMAP SnapshotPicture() const override;
    int ShowMessage(const std::wstring& text, UINT flags) override;
    void RestoreTopmost() override { host_.KeepOnTop(); }
    // PhotoshopVersionHost
    std::wstring ChosenVersion() const override;
    std::wstring LastListedVersion() const override;
    void StoreChoice(const std::wstring& version, const std::wstring& last) override;
    void ShowError(const std::wstring& text) override;
    void RunBehind(const std::function<void(HWND owner)>& dialog) override;

    ToolHost& host_;
    std::function<HBITMAP()> snapshot_;
    bool discoveryDue_ = false;
    ui::Timer discovery_;
    Tvix_psVersion chooser_{*this};
    PhotoshopExporter exporter_{*this};
};

}  // namespace vix
