#pragma once

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <stop_token>
#include <thread>

// The owner of one worker thread. Its body gets a stop token; stopping (also
// by the owner's destruction) first asks the body to stop, then waits for it
// to end, so no worker outlives its owner. A body blocked in a hand-off to
// the user-interface thread (SyncCallQueue::Call with this token) is released
// by the stop at once, so the owner may stop it from that very thread.

namespace vix {

class WorkerThread {
  public:
    using Body = std::function<void(std::stop_token)>;

    WorkerThread() = default;
    // Starts the thread at once.
    explicit WorkerThread(Body body);
    ~WorkerThread() { Stop(); }
    WorkerThread(WorkerThread&&) noexcept = default;
    WorkerThread& operator=(WorkerThread&& other) noexcept;
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Asks the body to stop and waits for the thread to end. Once.
    void Stop();
    // Asks the body to stop and lets the thread end on its own, without
    // waiting: for a body that may be held in a call no stop reaches (a
    // network read under Wine). Such a body must own, or share, everything
    // it touches; it may outlive this owner. Afterwards the owner is empty:
    // not running, no error.
    void StopWithoutWaiting();
    // True from the start until the body has returned.
    bool running() const;
    // What escaped the body, once Stop has returned; null if nothing did.
    std::exception_ptr error() const;

  private:
    // Shared with the thread, so that the owner can be moved.
    struct State {
        std::atomic<bool> finished{false};
        std::exception_ptr error;
    };
    std::shared_ptr<State> state_;
    std::jthread thread_;
};

}  // namespace vix
