#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "common/worker_thread.h"

// The update program's download, on a worker of its own: streamed straight
// into a file, bounded in size and in time, reporting its progress to a
// window, and never waited for when it is stopped.

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

    UpdateDownload() = default;
    // Starts fetching `url` into the file `path` (replaced). Posts
    // `progressMessage` to `window` as data arrives (wParam 0 the first
    // time, 1 after) and `doneMessage` once, when the download has ended,
    // whatever the outcome.
    UpdateDownload(HWND window, UINT progressMessage, UINT doneMessage, std::wstring url,
                   std::wstring path, Limits limits = {});
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
    // After `doneMessage`: true when the whole program is in the file and
    // the file is closed.
    bool Succeeded() const;

    // What the worker shares with its owner.
    struct Shared;

  private:
    std::shared_ptr<Shared> shared_;
    WorkerThread worker_;
};

}  // namespace vix
