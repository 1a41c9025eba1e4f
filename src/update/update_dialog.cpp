#include "update/update_dialog.h"

#include <commctrl.h>

#include <climits>
#include <limits>
#include <mutex>
#include <optional>

#include "common/app_error.h"
#include "common/program_names.h"
#include "platform/file.h"
#include "platform/http_get.h"
#include "ui/skin.h"
#include "ui/standard_controls.h"
#include "update/program_folder.h"
#include "update/signature_check.h"
#include "update/update_check.h"
#include "update/update_decision.h"
#include "update/update_plan.h"
#include "update/update_program.h"

namespace vix {
namespace {

// Posted by the download's worker.
constexpr UINT kDownloadProgress = WM_APP + 0x61;  // wParam: 0 begin, 1 data
constexpr UINT kDownloadDone = WM_APP + 0x62;

// Each wait for the server; the update program may be large, but a server
// that sends nothing for this long has stopped.
constexpr int kDownloadTimeoutMs = 20000;
// Larger than any update program; a server sending more is not sending one.
constexpr std::size_t kMaxUpdateProgramBytes = 256u << 20;

HWND Button(HWND parent, const wchar_t* text, const Rect& bounds, int id) {
    return ui::CreateStandardControl(parent, L"BUTTON", text, WS_TABSTOP | BS_PUSHBUTTON, bounds,
                                     id, ui::SkinFont(ui::FontId::Dialog));
}

}  // namespace

// Shared with the download's worker, which may still be ending when the
// dialog has gone.
struct Tvix_update::Download {
    HWND window = nullptr;
    std::mutex mutex;
    std::optional<platform::HttpResponse> result;
    std::uint64_t received = 0;
    std::optional<std::uint64_t> total;
    bool begun = false;
};

Tvix_update::~Tvix_update() { downloader_.Stop(); }

void Tvix_update::Create(HWND owner) {
    CreateDialogForm(L"Tvix_update", L"Update VUZirivare", {278, 157}, owner);
    const ui::LabelStyle text{.font = ui::SkinFont(ui::FontId::Dialog), .wrap = true};
    lblOffer.Create(hwnd(), Rect::FromBounds(5, 8, 268, 26),
                    L"There is a new version of VUZirivare availible     Please click the button "
                    L"Update to update automaticly.",
                    text);
    lblVersion.Create(hwnd(), Rect::FromBounds(5, 40, 268, 14), L"",
                      {.font = ui::SkinFont(ui::FontId::DialogBold)});
    chkDontNotify_ = ui::CreateStandardControl(
        hwnd(), L"BUTTON", L"Don't notify me again about this version update",
        WS_TABSTOP | BS_AUTOCHECKBOX, Rect::FromBounds(1, 54, 265, 17), 0,
        ui::SkinFont(ui::FontId::Dialog));
    lblDownloading.Create(hwnd(), Rect::FromBounds(5, 78, 268, 13),
                          L"Downloading new update program",
                          {.font = ui::SkinFont(ui::FontId::Dialog)});
    ::ShowWindow(lblDownloading.hwnd(), SW_HIDE);
    prgDownload_ = ::CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | PBS_SMOOTH, 5, 91, 271, 14,
                                     hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    btnCancel_ = Button(hwnd(), L"Cancel", Rect::FromBounds(118, 115, 75, 25), IDCANCEL + 100);
    btnUpdate_ = Button(hwnd(), L"Update", Rect::FromBounds(200, 115, 75, 25), IDOK + 100);
    ui::OnClick(btnCancel_, [this] { btnCancelClick(); });
    ui::OnClick(btnUpdate_, [this] { btnUpdateClick(); });
}

bool Tvix_update::Offer(const UpdateAnswer& answer, const std::wstring& label, UpdateHost& host) {
    host_ = &host;
    answer_ = answer;
    started_ = false;
    lblVersion.SetCaption(label);
    ui::SetChecked(chkDontNotify_, false);
    ::EnableWindow(btnUpdate_, TRUE);
    ::EnableWindow(btnCancel_, TRUE);
    ::ShowWindow(lblDownloading.hwnd(), SW_HIDE);
    ::ShowWindow(prgDownload_, SW_HIDE);
    if (HWND owner = host.DialogOwner()) CenterOn(owner);
    ShowModal();
    host_ = nullptr;
    return started_;
}

void Tvix_update::btnCancelClick() {
    std::wstring declined = host_->DeclinedVersions();
    if (ui::IsChecked(chkDontNotify_)) RememberDeclined(declined, answer_);
    host_->StoreDeclinedVersions(declined);
    EndModal(IDCANCEL);
}

void Tvix_update::btnUpdateClick() {
    const std::optional<std::wstring> folder = ProgramFolder(host_->ProgramPath());
    ::EnableWindow(btnUpdate_, FALSE);
    ::EnableWindow(btnCancel_, FALSE);
    UpdatePlan plan = PlanUpdate(answer_, host_->UpdateProgramVersion());
    if (plan.step == UpdateStep::NotANumber)
        throw AppError(L"'" + answer_.Value(kUpgradeVersionName) +
                       L"' is not a valid integer value");
    if (!folder) return Fail();
    const std::wstring path = UpdateProgramPath(*folder);
    if (plan.step == UpdateStep::StartExisting) {
        if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
            StartUpdateProgram(path, std::nullopt);
            return;
        }
        // Fetched once, but gone since: fetch it again rather than close
        // the program without an update.
        plan = PlanUpdate(answer_, std::numeric_limits<std::int32_t>::min());
    }
    if (plan.step != UpdateStep::Download) return Fail();
    downloadVersion_ = plan.version;
    StartDownload(plan.address.ToString());
}

void Tvix_update::StartDownload(const std::wstring& url) {
    download_ = std::make_shared<Download>();
    download_->window = hwnd();
    downloader_ = WorkerThread([download = download_, url](std::stop_token stop) {
        platform::HttpRequest request;
        request.url = url;
        request.userAgent = kUpdateUserAgent;
        request.accept = kUpdateAccept;
        request.timeoutMs = kDownloadTimeoutMs;
        request.maxBytes = kMaxUpdateProgramBytes;
        const auto progress = [&download](std::uint64_t received,
                                          std::optional<std::uint64_t> total) {
            bool first = false;
            {
                const std::lock_guard lock(download->mutex);
                download->received = received;
                download->total = total;
                first = !std::exchange(download->begun, true);
            }
            ::PostMessageW(download->window, kDownloadProgress, first ? 0 : 1, 0);
        };
        platform::HttpResponse response = platform::HttpGet(request, stop, progress);
        {
            const std::lock_guard lock(download->mutex);
            download->result = std::move(response);
        }
        ::PostMessageW(download->window, kDownloadDone, 0, 0);
    });
}

void Tvix_update::DownloadBegun(std::uint64_t total) {
    ::ShowWindow(prgDownload_, SW_SHOW);
    ::ShowWindow(lblDownloading.hwnd(), SW_SHOW);
    progressShift_ = 0;
    while ((total >> progressShift_) > static_cast<std::uint64_t>(INT_MAX))
        ++progressShift_;
    ::SendMessageW(prgDownload_, PBM_SETRANGE32, 0, static_cast<LPARAM>(total >> progressShift_));
    ::SendMessageW(prgDownload_, PBM_SETPOS, 0, 0);
}

void Tvix_update::DownloadAdvanced(std::uint64_t received) {
    ::SendMessageW(prgDownload_, PBM_SETPOS, static_cast<WPARAM>(received >> progressShift_), 0);
}

void Tvix_update::DownloadEnded() {
    const LRESULT top = ::SendMessageW(prgDownload_, PBM_GETRANGE, FALSE, 0);
    ::SendMessageW(prgDownload_, PBM_SETPOS, static_cast<WPARAM>(top), 0);
}

LRESULT Tvix_update::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kDownloadProgress && download_) {
        std::uint64_t received = 0;
        std::uint64_t total = 0;
        {
            const std::lock_guard lock(download_->mutex);
            received = download_->received;
            total = download_->total.value_or(0);
        }
        if (wParam == 0) DownloadBegun(total);
        DownloadAdvanced(received);
        return 0;
    }
    if (message == kDownloadDone && download_) {
        DownloadDone();
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

void Tvix_update::DownloadDone() {
    downloader_.Stop();
    std::optional<platform::HttpResponse> response;
    {
        const std::lock_guard lock(download_->mutex);
        response = std::move(download_->result);
    }
    download_.reset();
    if (!response || !response->ok()) return Fail();
    DownloadEnded();
    const auto folder = ProgramFolder(host_->ProgramPath());
    if (!folder) return Fail();
    const std::wstring path = UpdateProgramPath(*folder);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(response->body.data());
    if (platform::WriteWholeFile(path, {bytes, response->body.size()})) return Fail();
    StartUpdateProgram(path, downloadVersion_);
}

bool Tvix_update::StartUpdateProgram(const std::wstring& path,
                                     std::optional<std::int32_t> storeVersion) {
    std::optional<UpdateProgram> program = UpdateProgram::Open(path);
    if (!program) {
        Fail();
        return false;
    }
    if (program->Check(host_->ProgramPath()) != SignatureVerdict::Trusted) {
        program->Discard();
        Fail();
        return false;
    }
    // Stored before the start, so that a later run does not fetch the same
    // program again.
    if (storeVersion) host_->StoreUpdateProgramVersion(*storeVersion);
    if (!program->Start(ProgramFolder(path).value_or(L""))) {
        Fail();
        return false;
    }
    started_ = true;
    EndModal(IDOK);
    return true;
}

void Tvix_update::Fail() {
    ::MessageBoxW(hwnd(), kUpdateFailedText, kApplicationTitle, MB_OK | MB_ICONERROR);
}

void Tvix_update::FormHide() {
    // Closed with its close box during a download: the download ends too.
    downloader_.Stop();
    download_.reset();
}

void HandleUpdateAnswer(const UpdateAnswer& answer, UpdateHost& host, Tvix_update& dialog) {
    const UpdateDecision decision = DecideUpdate(answer, host.DeclinedVersions());
    if (decision.verdict != UpdateVerdict::Offer) return;
    bool started = false;
    host.RunBehind([&] { started = dialog.Offer(answer, decision.label, host); });
    if (started) host.CloseProgram();
}

}  // namespace vix
