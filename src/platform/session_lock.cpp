#include "platform/session_lock.h"

#include <string>

namespace vix::platform {

SessionLock::SessionLock(std::wstring_view name) {
    const std::wstring full = L"Local\\" + std::wstring(name);
    // Owning the mutex is not needed: its existence is the lock.
    mutex_.reset(::CreateMutexW(nullptr, FALSE, full.c_str()));
    first_ = !mutex_ || ::GetLastError() != ERROR_ALREADY_EXISTS;
}

}  // namespace vix::platform
