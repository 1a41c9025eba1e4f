#pragma once

#include "photoshop/export_flow.h"
#include "photoshop/export_services.h"

// The exports' host on Windows: the main window's services, Photoshop's
// windows, the clipboard and the message loop.

namespace vix {

class WinExportHost final : public ExportHost {
  public:
    explicit WinExportHost(PhotoshopExportServices& services) : services_(services) {}

    void ShowPage(int pageIndex) override { services_.ShowPage(pageIndex); }
    bool PutSnapshotOnClipboard() override;
    void Wait(std::uint32_t ms) override;
    bool FindPhothoshop() override;
    void ClosePhotoshopColorPicker() override;
    bool Ask(const std::wstring& question) override;
    void ShowError(const std::wstring& text) override;
    void LetPendingMessagesRun() override;
    void RestoreTopmost() override { services_.RestoreTopmost(); }

  private:
    PhotoshopExportServices& services_;
};

}  // namespace vix
