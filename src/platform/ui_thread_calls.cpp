#include "platform/ui_thread_calls.h"

#include <atomic>

#include "platform/window.h"

namespace vix::platform {
namespace {

// Posted to the receiver: run what the queue holds.
constexpr UINT kRunCalls = WM_APP + 0x51;

}  // namespace

struct UiThreadCalls::Shared {
    // The receiver's window while it exists; workers post to it.
    std::atomic<HWND> target{nullptr};
    SyncCallQueue queue{[this] {
        const HWND window = target.load();
        return window && ::PostMessageW(window, kRunCalls, 0, 0);
    }};
};

class UiThreadCalls::Receiver final : public Window {
  public:
    explicit Receiver(SyncCallQueue& queue) : queue_(queue) {
        WindowSpec spec;
        spec.parent = HWND_MESSAGE;
        Create({.name = L"VixUiThreadCalls"}, spec);
    }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kRunCalls) {
            queue_.RunPending();
            return 0;
        }
        return DefaultHandling(message, wParam, lParam);
    }

  private:
    SyncCallQueue& queue_;
};

UiThreadCalls::UiThreadCalls()
    : shared_(std::make_shared<Shared>()), receiver_(std::make_unique<Receiver>(shared_->queue)) {
    shared_->target = receiver_->hwnd();
    if (!receiver_->hwnd()) shared_->queue.Close();
}

UiThreadCalls::~UiThreadCalls() {
    Close();
    shared_->target = nullptr;
}

CallOutcome UiThreadCalls::Call(std::function<void()> call, std::stop_token stop) {
    const std::shared_ptr<Shared> shared = shared_;
    return shared->queue.Call(std::move(call), std::move(stop));
}

void UiThreadCalls::Close() { shared_->queue.Close(); }

CallOutcome UiThreadCalls::Caller::Call(std::function<void()> call, std::stop_token stop) const {
    return shared_->queue.Call(std::move(call), std::move(stop));
}

HWND UiThreadCalls::hwnd() const { return receiver_->hwnd(); }

}  // namespace vix::platform
