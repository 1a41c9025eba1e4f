#include "common/worker_thread.h"

#include <utility>

namespace vix {

WorkerThread::WorkerThread(Body body) : state_(std::make_shared<State>()) {
    thread_ = std::jthread([state = state_, body = std::move(body)](std::stop_token stop) {
        try {
            body(stop);
        } catch (...) {
            state->error = std::current_exception();
        }
        state->finished = true;
    });
}

WorkerThread& WorkerThread::operator=(WorkerThread&& other) noexcept {
    if (this != &other) {
        Stop();
        state_ = std::move(other.state_);
        thread_ = std::move(other.thread_);
    }
    return *this;
}

void WorkerThread::Stop() {
    if (!thread_.joinable()) return;
    thread_.request_stop();
    thread_.join();
}

void WorkerThread::StopWithoutWaiting() {
    if (!thread_.joinable()) return;
    thread_.request_stop();
    thread_.detach();
    state_.reset();
}

bool WorkerThread::running() const { return state_ && !state_->finished; }

std::exception_ptr WorkerThread::error() const {
    // Read only once the thread has been joined, which orders the write.
    return state_ && !thread_.joinable() ? state_->error : nullptr;
}

}  // namespace vix
