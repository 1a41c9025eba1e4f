#include "ui/ui_thread.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>

namespace vix::ui {
namespace {

std::atomic<DWORD> uiThread{0};

void EndProgram() {
    ::OutputDebugStringW(L"VIX: a user-interface table was used from a worker thread\n");
    std::abort();
}

std::atomic<WrongThreadHandler> wrongThread{&EndProgram};

}  // namespace

void CheckUiThread() {
    const DWORD self = ::GetCurrentThreadId();
    DWORD owner = 0;
    if (uiThread.compare_exchange_strong(owner, self) || owner == self) return;
    wrongThread.load()();
}

WrongThreadHandler SetWrongThreadHandler(WrongThreadHandler handler) {
    return wrongThread.exchange(handler);
}

}  // namespace vix::ui
