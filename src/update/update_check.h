#pragma once

#include <functional>
#include <string>

#include "common/worker_thread.h"
#include "update/update_answer.h"

namespace vix::platform {
class UiThreadCalls;
}

// The start-up question to the update server, asked on a worker thread. The
// answer is handed to the user-interface thread, and the worker waits there
// until it has been handled (the update dialog may be open all that time).
// Every failure (no server, an error status, a time-out, a cut connection,
// an answer too long to be ours) ends the check silently.

namespace vix {

// The headers the update server has always been asked with.
inline constexpr wchar_t kUpdateUserAgent[] = L"Mozilla/3.0 (compatible; Indy Library)";
inline constexpr wchar_t kUpdateAccept[] = L"text/html, */*";

// Bounds each wait for the server. Short enough that a program closed
// while the server keeps it waiting ends soon: Wine's WinHTTP lets a wait
// run out before a stop takes effect.
inline constexpr int kUpdateCheckTimeoutMs = 8000;

class UpdateCheck {
  public:
    // Runs on the user-interface thread with the parsed answer. An error it
    // raises is dropped like every other failure of the check.
    using AnswerHandler = std::function<void(const UpdateAnswer&)>;

    UpdateCheck() = default;
    // Starts the worker at once; `calls` must outlive the check.
    UpdateCheck(platform::UiThreadCalls& calls, std::wstring url, AnswerHandler handler,
                int timeoutMs = kUpdateCheckTimeoutMs);
    UpdateCheck(UpdateCheck&&) noexcept = default;
    UpdateCheck& operator=(UpdateCheck&&) noexcept = default;

    // Aborts the request or the wait for the answer's handling and waits
    // for the worker to end. Also done on destruction.
    void Stop() { worker_.Stop(); }
    bool running() const { return worker_.running(); }

  private:
    WorkerThread worker_;
};

}  // namespace vix
