#include "update/update_dialog.h"

#include <commctrl.h>

#include <climits>
#include <limits>
#include <optional>

#include "common/app_error.h"
#include "common/program_names.h"
#include "platform/private_folder.h"
#include "ui/skin.h"
#include "ui/standard_controls.h"
#include "update/update_folder.h"
#include "update/signature_check.h"
#include "update/update_decision.h"
#include "update/update_plan.h"
#include "update/update_program.h"

namespace vix {
namespace {

// Posted by the download's worker.
constexpr UINT kDownloadProgress = WM_APP + 0x61;  // wParam: 0 begin, 1 data
constexpr UINT kDownloadDone = WM_APP + 0x62;

// The download goes here first, and becomes "update.exe" once it is whole.
constexpr wchar_t kPartialName[] = L"update.part";

// On the download's worker, once the program is whole (`fetched`) or was
// found from an earlier run: the program in `folder`, held, signed by our
// publisher and no older than the version `offered`, or nothing (then no
// file of it is left to be started later).
std::optional<UpdateProgram> CheckedUpdateProgram(const std::wstring& folder,
                                                  const std::wstring& ownPath, bool fetched,
                                                  ProgramVersion offered) {
    const std::wstring program = UpdateProgramPath(folder);
    if (fetched) {
        const std::wstring partial = folder + kPartialName;
        if (!::MoveFileExW(partial.c_str(), program.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            ::DeleteFileW(partial.c_str());
            return std::nullopt;
        }
    }
    // Nothing but the update program may lie beside it: the system would
    // load a library found there into it. Never emptied unless it is a full
    // path: a relative one would empty the current folder.
    if (!IsAbsoluteFolder(folder) || !platform::EmptyFolderExcept(folder, kUpdateProgramName))
        return std::nullopt;
    std::optional<UpdateProgram> held = UpdateProgram::Open(program);
    if (!held) return std::nullopt;
    // The signature first: nothing of a file that fails it is read further.
    if (held->Check(ownPath) != SignatureVerdict::Trusted ||
        !UpdateProgramVersionFits(held->Version(), offered.major, offered.minor)) {
        held->Discard();
        return std::nullopt;
    }
    return held;
}

HWND Button(HWND parent, const wchar_t* text, const Rect& bounds, int id) {
    return ui::CreateStandardControl(parent, L"BUTTON", text, WS_TABSTOP | BS_PUSHBUTTON, bounds,
                                     id, ui::SkinFont(ui::FontId::Dialog));
}

}  // namespace

Tvix_update::~Tvix_update() { download_.Stop(); }

void Tvix_update::Create(HWND owner) {
    CreateDialogForm(L"Tvix_update", L"Update VUZirivare", {278, 157}, owner);
}

void Tvix_update::CreateContent() {
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

bool Tvix_update::Offer(const UpdateAnswer& answer, const UpdateDecision& decision,
                        UpdateHost& host) {
    EnsureContent();
    host_ = &host;
    answer_ = answer;
    offered_ = decision.offered;
    started_ = false;
    lblVersion.SetCaption(decision.label);
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
    if (ui::IsChecked(chkDontNotify_)) RememberDeclined(declined, offered_);
    host_->StoreDeclinedVersions(declined);
    EndModal(IDCANCEL);
}

void Tvix_update::btnUpdateClick() {
    ::EnableWindow(btnUpdate_, FALSE);
    ::EnableWindow(btnCancel_, FALSE);
    UpdatePlan plan = PlanUpdate(answer_, host_->UpdateProgramVersion());
    if (plan.step == UpdateStep::NotANumber)
        throw AppError(UnreadableVersionMessage(answer_.Value(kUpgradeVersionName)));
    Attempt([&] {
        // Chosen once, here: the download's end works in this very folder,
        // whatever the system would say of the user's folders by then.
        folder_ = host_->UpdateFolder();
        if (!IsAbsoluteFolder(folder_)) return Fail();
        heldFolder_ = platform::MakePrivateFolder(folder_);
        if (!heldFolder_) return Fail();
        if (plan.step == UpdateStep::StartExisting) {
            if (::GetFileAttributesW(UpdateProgramPath(folder_).c_str()) != INVALID_FILE_ATTRIBUTES)
                return Prepare(L"", std::nullopt);
            // Fetched once, but gone since: fetch it again rather than close
            // the program without an update.
            plan = PlanUpdate(answer_, std::numeric_limits<std::int32_t>::min());
        }
        if (plan.step != UpdateStep::Download) return Fail();
        Prepare(plan.address.ToString(), plan.version);
    });
}

void Tvix_update::Prepare(const std::wstring& address, std::optional<std::int32_t> storeVersion) {
    storeVersion_ = storeVersion;
    download_ = UpdateDownload(
        hwnd(), kDownloadProgress, kDownloadDone, address, folder_ + kPartialName,
        [folder = folder_, own = host_->ProgramPath(), fetched = !address.empty(),
         offered = offered_](const std::stop_token&) {
            return CheckedUpdateProgram(folder, own, fetched, offered);
        },
        downloadLimits_);
}

void Tvix_update::Attempt(const std::function<void()>& step) {
    try {
        step();
    } catch (...) {
        // Out of memory, or anything else unforeseen: the same message as
        // every other failure, and the dialog stays usable.
        Fail();
    }
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
    // A message posted just before the download was stopped is ignored.
    if (message == kDownloadProgress && download_.active()) {
        const UpdateDownload::Progress progress = download_.progress();
        if (wParam == 0) DownloadBegun(progress.total.value_or(0));
        DownloadAdvanced(progress.received);
        return 0;
    }
    if (message == kDownloadDone && download_.active()) {
        Attempt([this] { DownloadDone(); });
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

void Tvix_update::DownloadDone() {
    std::optional<UpdateProgram> program = download_.TakeProgram();
    download_ = UpdateDownload();
    // Where the folder and the program are is asked once more, before
    // anything is stored or started: a folder above moved since the click,
    // and a link left in its place, would have had the download and its
    // check done elsewhere.
    if (!program || !heldFolder_.IsAt(folder_) || !program->IsInPlace()) return Fail();
    if (storeVersion_) DownloadEnded();
    // Stored before the start, so that a later run does not fetch the same
    // program again.
    if (storeVersion_) host_->StoreUpdateProgramVersion(*storeVersion_);
    if (!program->Start(folder_)) return Fail();
    heldFolder_ = platform::HeldFolder();
    started_ = true;
    EndModal(IDOK);
}

void Tvix_update::Fail() {
    heldFolder_ = platform::HeldFolder();
    ::MessageBoxW(hwnd(), kUpdateFailedText, kApplicationTitle, MB_OK | MB_ICONERROR);
}

void Tvix_update::FormHide() {
    // Closed with its close box during a download: the download ends too,
    // without waiting for the server.
    download_ = UpdateDownload();
    heldFolder_ = platform::HeldFolder();
}

void HandleUpdateAnswer(const UpdateAnswer& answer, UpdateHost& host, Tvix_update& dialog) {
    const UpdateDecision decision = DecideUpdate(answer, host.DeclinedVersions());
    if (decision.verdict != UpdateVerdict::Offer) return;
    bool started = false;
    host.RunBehind([&] { started = dialog.Offer(answer, decision, host); });
    if (started) host.CloseProgram();
}

}  // namespace vix
