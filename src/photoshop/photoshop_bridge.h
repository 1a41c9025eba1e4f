#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "photoshop/photoshop_exporter.h"
#include "photoshop/version_chooser.h"
#include "tools/tool_host.h"
#include "tools/tool_windows.h"

// The Photoshop bridge as the main window holds it: the three exports and
// the version chooser, served by the tool host (the pages, the window kept
// on top, dialogs run behind it).

namespace vix {

class PhotoshopBridge final : private PhotoshopExportServices, private PhotoshopVersionHost {
  public:
    // What the tool host does not offer.
    struct Links {
        // Sets PhotoShopVersion and LastPhotoShopVersion, then saves the
        // settings.
        std::function<void(const std::wstring&, const std::wstring&)> storeChoice;
        // The application's general error box.
        std::function<void(const std::wstring&)> showError;
        // The caption of the message boxes: the application's title.
        std::function<std::wstring()> title;
        // The snapshot's output picture; null when there is none.
        std::function<HBITMAP()> snapshot;
    };
    PhotoshopBridge(ToolHost& host, Links links);

    // The chooser is one of the program's windows.
    OwnedWindows Windows() { return {{ProgramWindow::PsVersion, &chooser_}}; }
    // The Photoshop step of the main window's FormShow.
    void DiscoverVersions() { DiscoverPhotoshopVersions(chooser_, *this); }
    // The installed versions of both registry views, as discovery finds them.
    static std::vector<std::wstring> InstalledVersions() { return InstalledPhotoshopVersions(); }
    // The settings dialog's OK when another version was picked there.
    void ChooseFromSettings(std::vector<std::wstring> versions, int selected) {
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
    std::wstring PhotoShopVersion() const override;
    std::wstring LastPhotoShopVersion() const override;
    void StoreChoice(const std::wstring& version, const std::wstring& last) override;
    void ShowError(const std::wstring& text) override;
    void RunBehind(const std::function<void(HWND owner)>& dialog) override;

    ToolHost& host_;
    Links links_;
    Tvix_psVersion chooser_{*this};
    PhotoshopExporter exporter_{*this};
};

}  // namespace vix
