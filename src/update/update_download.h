#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include <functional>
#include <stop_token>

#include "common/worker_thread.h"
#include "update/update_program.h"

// The update program's download and its check, on a worker of their own:
// streamed straight into a file, bounded in size and in time, reporting
// progress to a window, then checked there (the signature check may wait
// for revocation servers), and never waited for when stopped. The checked
// program, held open, is handed to the window that started it.

namespace vix {

// Larger than any update program; a server sending more is not sending one.
inline constexpr std::uint64_t kMaxUpdateProgramBytes = 256u << 20;
// Each wait for the server, and the whole download.
inline constexpr int kDownloadWaitMs = 20000;
inline constexpr int kDownloadDeadlineMs = 15 * 60 * 1000;

struct DownloadLimits {
    std::uint64_t maxBytes = kMaxUpdateProgramBytes;
    int waitMs = kDownloadWaitMs;
    int deadlineMs = kDownloadDeadlineMs;
};

class UpdateDownload {
  public:
    struct Progress {
        std::uint64_t received = 0;
        std::optional<std::uint64_t> total;  // when the server said
    };
    using Limits = DownloadLimits;

    // Runs on the worker once the program is whole in its file: the program
    // checked and held, or nothing when it is refused. Owns what it uses.
    using Check = std::function<std::optional<UpdateProgram>(const std::stop_token&)>;

    UpdateDownload() = default;
    // Starts fetching `url` into the file `path` (replaced), then runs
    // `check`; with an empty `url` nothing is fetched and only `check` runs.
    // Posts `progressMessage` to `window` as data arrives (wParam 0 the
    // first time, 1 after) and `doneMessage` once, when the download and
    // the check have ended, whatever the outcome.
    UpdateDownload(HWND window, UINT progressMessage, UINT doneMessage, std::wstring url,
                   std::wstring path, Check check, Limits limits = {});
    ~UpdateDownload() { Stop(); }
    UpdateDownload(UpdateDownload&&) noexcept = default;
    // Stops the download held so far first, without waiting for it.
    UpdateDownload& operator=(UpdateDownload&& other) noexcept;

    // Ends the download without waiting for the server. The file is
    // deleted by the worker when it leaves; no message follows.
    void Stop();

    // Between the start and Stop: messages of this download are its own.
    bool active() const { return shared_ != nullptr; }
    Progress progress() const;
    // After `doneMessage`: the checked program, once; nothing when the
    // download or the check failed.
    std::optional<UpdateProgram> TakeProgram();

    // What the worker shares with its owner.
    struct Shared;

  private:
    std::shared_ptr<Shared> shared_;
    WorkerThread worker_;
};

}  // namespace vix
