#include "photoshop/photoshop_bridge.h"

#include "common/program_names.h"
#include "ui/message_loop.h"

namespace vix {

PhotoshopBridge::PhotoshopBridge(ToolHost& host, std::function<HBITMAP()> snapshot)
    : host_(host), snapshot_(std::move(snapshot)) {}

void PhotoshopBridge::DiscoverVersions() {
    discoveryDue_ = true;
    discovery_.Start(USER_TIMER_MINIMUM, [this] { DiscoverDueVersions(); });
}

void PhotoshopBridge::DiscoverDueVersions() {
    discovery_.Stop();
    if (!discoveryDue_) return;
    discoveryDue_ = false;
    DiscoverPhotoshopVersions(chooser_, *this);
}

void PhotoshopBridge::ExportColor(bool enabled, std::uint8_t red, std::uint8_t green,
                                  std::uint8_t blue) {
    DiscoverDueVersions();
    exporter_.ExportColor(enabled, host_.CurrentSettings().photoshopForeground, red, green, blue);
}

void PhotoshopBridge::ExportSnapshot(ExportKind kind, bool enabled) {
    DiscoverDueVersions();
    exporter_.ExportSnapshot(kind, enabled);
}

void PhotoshopBridge::ShowPage(int pageIndex) {
    host_.ChangePage(pageIndex);
    // The page's paint is among the pending messages.
    ui::ProcessPendingMessages();
}

HBITMAP PhotoshopBridge::SnapshotPicture() const { return snapshot_ ? snapshot_() : nullptr; }

int PhotoshopBridge::ShowMessage(const std::wstring& text, UINT flags) {
    return host_.RunBehind(
        [&](HWND owner) { return ::MessageBoxW(owner, text.c_str(), kApplicationTitle, flags); });
}

std::wstring PhotoshopBridge::ChosenVersion() const {
    return host_.CurrentSettings().photoshopVersion;
}

std::wstring PhotoshopBridge::LastListedVersion() const {
    return host_.CurrentSettings().lastListedPhotoshopVersion;
}

void PhotoshopBridge::StoreChoice(const std::wstring& version, const std::wstring& last) {
    host_.ChangeSettings([&](Settings& settings) {
        settings.photoshopVersion = version;
        settings.lastListedPhotoshopVersion = last;
    });
}

void PhotoshopBridge::ShowError(const std::wstring& text) { host_.ShowError(text); }

void PhotoshopBridge::RunBehind(const std::function<void(HWND owner)>& dialog) {
    host_.RunBehind([&](HWND owner) {
        dialog(owner);
        return 0;
    });
}

}  // namespace vix
