#include "common/sync_call_queue.h"

#include <algorithm>
#include <utility>

namespace vix {

SyncCallQueue::SyncCallQueue(std::function<bool()> wake) : wake_(std::move(wake)) {}

CallOutcome SyncCallQueue::Call(std::function<void()> call, std::stop_token stop) {
    if (std::this_thread::get_id() == owner_) {
        if (closed()) return CallOutcome::Cancelled;
        call();
        return CallOutcome::Ran;
    }
    auto entry = std::make_shared<Entry>();
    entry->call = std::move(call);
    {
        std::lock_guard lock(mutex_);
        if (closed_) return CallOutcome::Cancelled;
        queue_.push_back(entry);
    }
    const bool woken = wake_();
    std::unique_lock lock(mutex_);
    if (!woken && !entry->done) entry->cancelled = true;
    changed_.wait(lock, stop, [&] { return entry->done || entry->cancelled; });
    if (!entry->done) {
        // Stopped or closed: a call still queued never runs; one already
        // running finishes without its worker (it holds its own entry).
        entry->cancelled = true;
        std::erase(queue_, entry);
        return CallOutcome::Cancelled;
    }
    if (entry->error) std::rethrow_exception(entry->error);
    return CallOutcome::Ran;
}

std::shared_ptr<SyncCallQueue::Entry> SyncCallQueue::TakeNext() {
    std::lock_guard lock(mutex_);
    while (!queue_.empty()) {
        auto entry = std::move(queue_.front());
        queue_.pop_front();
        if (!entry->cancelled) return entry;
    }
    return nullptr;
}

void SyncCallQueue::RunPending() {
    while (auto entry = TakeNext()) {
        try {
            entry->call();
        } catch (...) {
            entry->error = std::current_exception();
        }
        {
            std::lock_guard lock(mutex_);
            entry->done = true;
        }
        changed_.notify_all();
    }
}

void SyncCallQueue::Close() {
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        for (auto& entry : queue_)
            entry->cancelled = true;
        queue_.clear();
    }
    changed_.notify_all();
}

bool SyncCallQueue::closed() const {
    std::lock_guard lock(mutex_);
    return closed_;
}

}  // namespace vix
