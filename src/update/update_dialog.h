#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include <functional>

#include "platform/held_folder.h"
#include "ui/form.h"
#include "ui/label.h"
#include "update/update_answer.h"
#include "update/update_decision.h"
#include "update/update_download.h"
#include "update/update_host.h"

// The update dialog: offers the newer version, remembers a declined one,
// and on "Update" fetches the update program over https into the user's
// private update folder, checks its signature, starts it from there and
// lets the program close. The download and the check run on a worker.

namespace vix {

inline constexpr wchar_t kUpdateFailedText[] = L"Update failed, please try again.";

class Tvix_update final : public ui::ProgramForm {
  public:
    void Create(HWND owner) override;
    ~Tvix_update() override;

    // Shows the dialog modally for `answer`, offering the version `decision`
    // read from it. True when the update program has been started: the
    // program is to close then.
    bool Offer(const UpdateAnswer& answer, const UpdateDecision& decision, UpdateHost& host);

    // For tests: the controls by their names, once the dialog has been shown.
    HWND chkDontNotify() const { return chkDontNotify_; }
    HWND btnUpdate() const { return btnUpdate_; }
    HWND btnCancel() const { return btnCancel_; }
    HWND prgDownload() const { return prgDownload_; }
    const ui::Label& VersionLabel() const { return lblVersion; }
    const ui::Label& DownloadLabel() const { return lblDownloading; }
    // For tests: smaller bounds of the download.
    void SetDownloadLimits(UpdateDownload::Limits limits) { downloadLimits_ = limits; }

  protected:
    void CreateContent() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void FormHide() override;

  private:
    void btnCancelClick();  // cxButton2Click
    void btnUpdateClick();  // cxButton1Click
    // Runs `step`; anything it raises ends in the failure message.
    void Attempt(const std::function<void()>& step);
    // The download's progress (IdHTTP1WorkBegin, IdHTTP1Work, IdHTTP1WorkEnd).
    void DownloadBegun(std::uint64_t total);
    void DownloadAdvanced(std::uint64_t received);
    void DownloadEnded();
    // Fetches `address` (none: the program is there from an earlier run)
    // and checks the program on the download's worker; DownloadDone starts
    // it, storing `storeVersion` first when given. The dialog stays
    // responsive meanwhile, and closing it drops whatever the worker finds.
    void Prepare(const std::wstring& address, std::optional<std::int32_t> storeVersion);
    void DownloadDone();
    void Fail();

    ui::Label lblOffer;  // Label1
    ui::Label lblVersion;
    ui::Label lblDownloading;  // Label2
    HWND chkDontNotify_ = nullptr;
    HWND prgDownload_ = nullptr;  // ProgressBar1
    HWND btnCancel_ = nullptr;    // cxButton2
    HWND btnUpdate_ = nullptr;    // cxButton1

    UpdateHost* host_ = nullptr;
    UpdateAnswer answer_;
    ProgramVersion offered_;
    bool started_ = false;
    // Bytes are scaled down by this many bits to fit the bar's range.
    int progressShift_ = 0;
    std::optional<std::int32_t> storeVersion_;
    // The update folder chosen at the click on "Update", held from then
    // until the update program has started in it.
    std::wstring folder_;
    platform::HeldFolder heldFolder_;
    UpdateDownload download_;
    UpdateDownload::Limits downloadLimits_;
};

// What the user-interface thread does with the server's answer: offers the
// newer version in `dialog` unless it is not newer or was declined, and
// closes the program when the update program has been started. A version
// missing or not a number shows nothing.
void HandleUpdateAnswer(const UpdateAnswer& answer, UpdateHost& host, Tvix_update& dialog);

}  // namespace vix
