#include "platform/message_watch.h"

#include <algorithm>
#include <vector>

namespace vix::platform {
namespace {

// The hook has no context of its own: the thread's watches are found here.
struct ThreadWatches {
    Hook hook;
    std::vector<MessageWatch*> watches;
};
thread_local ThreadWatches tWatches;

}  // namespace

MessageWatch::MessageWatch(Watcher watcher) : watcher_(std::move(watcher)) {
    tWatches.watches.push_back(this);
    if (!tWatches.hook)
        tWatches.hook.reset(
            ::SetWindowsHookExW(WH_GETMESSAGE, HookProc, nullptr, ::GetCurrentThreadId()));
}

MessageWatch::~MessageWatch() {
    std::erase(tWatches.watches, this);
    if (tWatches.watches.empty()) tWatches.hook.reset();
}

bool MessageWatch::ok() const { return static_cast<bool>(tWatches.hook); }

LRESULT CALLBACK MessageWatch::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    // Only a message taken off the queue: a peek that leaves it there
    // would show it twice.
    if (code == HC_ACTION && wParam == PM_REMOVE && lParam) {
        const MSG& message = *reinterpret_cast<const MSG*>(lParam);
        // A copy: a watcher may end a watch of this thread.
        const std::vector<MessageWatch*> watches = tWatches.watches;
        // No error may travel into the loop that took the message.
        try {
            for (MessageWatch* watch : watches)
                if (std::ranges::find(tWatches.watches, watch) != tWatches.watches.end())
                    watch->watcher_(message);
        } catch (...) {
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace vix::platform
