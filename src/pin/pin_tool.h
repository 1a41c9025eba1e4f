#pragma once

#include <list>
#include <memory>

#include "pin/pin_window.h"
#include "tools/snapshot_outputs.h"
#include "tools/tool.h"
#include "tools/tool_host.h"

// Pinned snapshots: the current snapshot put on the screen in a window of
// its own, over the place it was taken, from the capture page's output
// button, the preview's, or Ctrl+Alt+K on the Capture tab. Any number of
// pins stay open through tab changes, tools and a minimised main window,
// until they are closed or the program ends.

namespace vix {

class PinTool final : public Tool {
  public:
    explicit PinTool(ToolHost& host);
    ~PinTool() override;

    static constexpr HotKeyRow kOwnKeys[] = {
        {'K', L"PinSnapshot", true, L"Ctrl+Alt+K: pin the snapshot to the screen"}};

    // Adds the pin's output to the capture page.
    void UseSnapshotOutputs(SnapshotOutputs& outputs);

    const char* Name() const override { return "pin"; }
    std::span<const HotKeyRow> OwnKeys() const override { return kOwnKeys; }
    std::vector<HotKeyBinding> HotKeys() override;
    void Closing() override { CloseAll(); }

    // Pins `picture`; false, once the user has been told, when there was no
    // memory or window for it.
    bool Pin(const ScreenPicture& picture);
    void CloseAll();
    std::size_t OpenPins() const { return pins_.size(); }

  private:
    void Close(PinWindow& pin);

    ToolHost& host_;
    SnapshotOutputs* outputs_ = nullptr;
    PinRequests requests_;
    std::list<std::unique_ptr<PinWindow>> pins_;
};

}  // namespace vix
