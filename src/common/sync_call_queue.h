#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>

// Calls handed from worker threads to one owning thread (the user-interface
// thread), each blocking its worker until the owner has run it: the worker
// gets back the call's error, if it raised one. Nothing here is tied to
// windows: the owner is woken through the function given at construction.
//
// No wait can outlast the owner: closing the queue, or stopping the waiting
// worker, ends the wait with Cancelled. A call that was already running when
// its worker stopped goes on running on the owner's thread after the worker
// has left, so a call captures what it needs by value.

namespace vix {

enum class CallOutcome { Ran, Cancelled };

class SyncCallQueue {
  public:
    // `wake` is called on the worker's thread after a call has been queued;
    // it must see to it that the owner calls RunPending soon, and answers
    // false when it cannot (the call is then cancelled).
    explicit SyncCallQueue(std::function<bool()> wake);
    ~SyncCallQueue() { Close(); }
    SyncCallQueue(const SyncCallQueue&) = delete;
    SyncCallQueue& operator=(const SyncCallQueue&) = delete;

    // From a worker: runs `call` on the owner's thread and waits for it. An
    // error `call` raises is raised here again. Cancelled, without `call`
    // having run (or while it still runs), when the queue is closed or `stop`
    // is requested before it has finished. On the owner's own thread `call`
    // simply runs.
    CallOutcome Call(std::function<void()> call, std::stop_token stop = {});

    // From the owner: runs the calls queued so far, in order.
    void RunPending();
    // From the owner: no call runs any more; every waiting worker and every
    // later Call gets Cancelled.
    void Close();
    bool closed() const;

  private:
    struct Entry {
        std::function<void()> call;
        std::exception_ptr error;
        bool done = false;
        bool cancelled = false;
    };
    std::shared_ptr<Entry> TakeNext();

    std::function<bool()> wake_;
    const std::thread::id owner_ = std::this_thread::get_id();
    mutable std::mutex mutex_;
    std::condition_variable_any changed_;
    std::deque<std::shared_ptr<Entry>> queue_;
    bool closed_ = false;
};

}  // namespace vix
