#pragma once

#include <windows.h>

#include <functional>

#include "platform/handle.h"

// Sees every message this thread takes from its queue, whichever loop takes
// it (a modal dialog's, a menu's, the program's own), before it is
// dispatched: a thread's WH_GETMESSAGE hook, removed when the watch goes.
// Several watches of one thread share one hook.

namespace vix::platform {

class MessageWatch {
  public:
    using Watcher = std::function<void(const MSG& message)>;

    explicit MessageWatch(Watcher watcher);
    ~MessageWatch();
    MessageWatch(const MessageWatch&) = delete;
    MessageWatch& operator=(const MessageWatch&) = delete;

    // False when the system refused the hook: nothing is seen then.
    bool ok() const;

  private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);

    Watcher watcher_;
};

}  // namespace vix::platform
