#pragma once

// WinHTTP's handles. Kept apart from anything that includes <wininet.h>: the
// two headers declare the same names differently.

#include <windows.h>
#include <winhttp.h>

#include "platform/handle.h"
#include "platform/system_libraries.h"

namespace vix::platform {

inline void CloseInternetHandle(HINTERNET h) noexcept { late::WinHttpCloseHandle(h); }

// A session, connection or request handle of WinHTTP.
using InternetHandle = UniqueHandle<NullTraits<HINTERNET, CloseInternetHandle>>;

}  // namespace vix::platform
