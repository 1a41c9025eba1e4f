#pragma once

#include <windows.h>

#include <optional>

#include "common/geometry.h"
#include "platform/ui_thread_calls.h"
#include "tools/tool.h"
#include "ui/timer.h"
#include "update/links_panel.h"
#include "update/update_check.h"
#include "update/update_dialog.h"
#include "update/update_host.h"
#include "update/web_address.h"

// Everything the program does with the web, in one part of the main
// window: the start-up check with its dialog, and the links panel on the
// links page. A second after the window is first shown it asks the server
// and loads the page; the window's closing ends the check. Made and used on
// the user-interface thread.

namespace vix {

class UpdateService final : public Tool {
  public:
    // `dialog` is the update dialog made at start; both outlive the service.
    UpdateService(UpdateHost& host, Tvix_update& dialog);
    // Stops the check: no worker calls back once the service has gone.
    ~UpdateService() { Stop(); }
    UpdateService(const UpdateService&) = delete;
    UpdateService& operator=(const UpdateService&) = delete;

    // Tool
    const char* Name() const override { return "links"; }
    std::span<const PageSpec* const> Pages() const override;
    void Build(ToolPages& pages) override;
    OwnedWindows Windows() override { return {{ProgramWindow::Update, &dialog_}}; }
    void Shown() override;
    void Closing() override { Stop(); }

    // Makes the links panel in `parent` (the links page) at `bounds`. It
    // stays empty when no browser control can be made.
    void CreateLinksPanel(HWND parent, const Rect& bounds);
    // The first tick after the main window is shown: asks the server and
    // loads the links page. Only the first call does anything.
    void Start();
    // Ends the check, also while the update dialog is open, without waiting
    // for the server.
    void Stop();

    bool checking() const { return check_.running(); }
    const LinksPanel& links() const { return links_; }

  private:
    // Loads the links page into the panel's browser once the panel shows.
    void LoadLinksWhenShown();

    UpdateHost& host_;
    Tvix_update& dialog_;
    // Nothing when the environment names a server we will not talk to.
    std::optional<WebAddress> server_;
    platform::UiThreadCalls calls_;
    LinksPanel links_;
    UpdateCheck check_;
    ui::Timer startTimer_;  // Timer1, one-shot
    bool started_ = false;
};

}  // namespace vix
