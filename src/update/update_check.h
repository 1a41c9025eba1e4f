#pragma once

#include <functional>
#include <string>

#include "common/worker_thread.h"
#include "platform/ui_thread_calls.h"
#include "update/update_answer.h"

// The start-up question to the update server, asked on a worker thread. The
// answer is handed to the user-interface thread, and the worker waits there
// until it has been handled (the update dialog may be open all that time).
// Every failure (no server, an error status, a time-out, a cut connection,
// an answer too long to be ours, a redirect away from the server's host or
// off https, or more than kMaxUpdateRedirects of them) ends the check
// silently.

namespace vix {

// The headers the update server has always been asked with.
inline constexpr wchar_t kUpdateUserAgent[] = L"Mozilla/3.0 (compatible; Indy Library)";
inline constexpr wchar_t kUpdateAccept[] = L"text/html, */*";

// Bounds each wait for the server, and the whole question, redirects
// included: the answer is a few dozen bytes, and a server that has not sent
// them by then has nothing to say.
inline constexpr int kUpdateCheckTimeoutMs = 8000;
inline constexpr int kUpdateCheckDeadlineMs = 20000;

struct UpdateCheckLimits {
    int waitMs = kUpdateCheckTimeoutMs;
    int deadlineMs = kUpdateCheckDeadlineMs;
};

class UpdateCheck {
  public:
    // Runs on the user-interface thread with the parsed answer. An error it
    // raises is dropped like every other failure of the check.
    using AnswerHandler = std::function<void(const UpdateAnswer&)>;
    using Limits = UpdateCheckLimits;

    UpdateCheck() = default;
    // Starts the worker at once. The answer is handed over through `caller`.
    UpdateCheck(platform::UiThreadCalls::Caller caller, std::wstring url, AnswerHandler handler,
                Limits limits = {});
    UpdateCheck(UpdateCheck&&) noexcept = default;
    // Stops the check held so far first, without waiting for it.
    UpdateCheck& operator=(UpdateCheck&& other) noexcept {
        if (this != &other) {
            Stop();
            worker_ = std::move(other.worker_);
        }
        return *this;
    }
    ~UpdateCheck() { Stop(); }

    // Ends the check without waiting for the server: the request is
    // aborted, a wait for the answer's handling released, and a worker
    // still held by the network ends on its own later, without calling
    // back once the calls it hands over through are closed. Also done on
    // destruction.
    void Stop() { worker_.StopWithoutWaiting(); }
    bool running() const { return worker_.running(); }

  private:
    WorkerThread worker_;
};

}  // namespace vix
