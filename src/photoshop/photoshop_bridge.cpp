#include "photoshop/photoshop_bridge.h"

#include "ui/message_loop.h"

namespace vix {

PhotoshopBridge::PhotoshopBridge(ToolHost& host, Links links)
    : host_(host), links_(std::move(links)) {}

void PhotoshopBridge::ExportColor(bool enabled, std::uint8_t red, std::uint8_t green,
                                  std::uint8_t blue) {
    exporter_.ExportColor(enabled, host_.CurrentSettings().photoshopForeground, red, green, blue);
}

void PhotoshopBridge::ExportSnapshot(ExportKind kind, bool enabled) {
    exporter_.ExportSnapshot(kind, enabled);
}

void PhotoshopBridge::ShowPage(int pageIndex) {
    host_.ChangePage(pageIndex);
    // The page's paint is among the pending messages.
    ui::ProcessPendingMessages();
}

HBITMAP PhotoshopBridge::SnapshotPicture() const {
    return links_.snapshot ? links_.snapshot() : nullptr;
}

int PhotoshopBridge::ShowMessage(const std::wstring& text, UINT flags) {
    const std::wstring title = links_.title ? links_.title() : std::wstring();
    return host_.RunBehind(
        [&](HWND owner) { return ::MessageBoxW(owner, text.c_str(), title.c_str(), flags); });
}

std::wstring PhotoshopBridge::ChosenVersion() const {
    return host_.CurrentSettings().photoshopVersion;
}

std::wstring PhotoshopBridge::LastListedVersion() const {
    return host_.CurrentSettings().lastListedPhotoshopVersion;
}

void PhotoshopBridge::StoreChoice(const std::wstring& version, const std::wstring& last) {
    if (links_.storeChoice) links_.storeChoice(version, last);
}

void PhotoshopBridge::ShowError(const std::wstring& text) {
    if (links_.showError) links_.showError(text);
}

void PhotoshopBridge::RunBehind(const std::function<void(HWND owner)>& dialog) {
    host_.RunBehind([&](HWND owner) {
        dialog(owner);
        return 0;
    });
}

}  // namespace vix
