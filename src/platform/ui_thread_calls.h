#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <stop_token>

#include "common/sync_call_queue.h"

// The synchronous hand-off to the user-interface thread: a worker calls
// Call, the UI thread runs the function inside its message loop (through a
// message-only window of its own), and the worker waits until it has. Made
// on the UI thread, which must keep handling messages for calls to run.
//
// Shutdown order for the owner of both: stop the workers (WorkerThread::Stop
// or its destruction) before this goes; a worker still waiting then, or the
// UI thread leaving its loop for good, never hangs: closing or destroying
// this ends every wait with CallOutcome::Cancelled.

namespace vix::platform {

class UiThreadCalls {
    struct Shared;

  public:
    // What a worker keeps of the hand-off: a copy stays usable after the
    // UiThreadCalls has gone (every call is then Cancelled), so a worker
    // that is not waited for can hold one.
    class Caller {
      public:
        CallOutcome Call(std::function<void()> call, std::stop_token stop = {}) const;

      private:
        friend class UiThreadCalls;
        explicit Caller(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}
        std::shared_ptr<Shared> shared_;
    };

    UiThreadCalls();
    ~UiThreadCalls();
    UiThreadCalls(const UiThreadCalls&) = delete;
    UiThreadCalls& operator=(const UiThreadCalls&) = delete;

    // From any thread: runs `call` on the UI thread and waits for it; an
    // error it raises is raised here. `stop` (the worker's token) ends the
    // wait early. Cancelled when the call could not be handed over.
    CallOutcome Call(std::function<void()> call, std::stop_token stop = {});
    // From the UI thread: no further call runs; waiting workers go on.
    void Close();
    Caller GetCaller() const { return Caller(shared_); }

    // The message-only window that receives the wake-ups; null if it could
    // not be made, in which case every Call is Cancelled.
    HWND hwnd() const;

  private:
    class Receiver;
    // Shared with the workers inside Call, so that a worker still leaving a
    // cancelled wait never touches a queue that has gone.
    std::shared_ptr<Shared> shared_;
    std::unique_ptr<Receiver> receiver_;
};

}  // namespace vix::platform
