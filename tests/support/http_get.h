#pragma once

#include <cstdint>
#include <string>

// A plain WinHTTP GET for the tests: what a server on loopback answered,
// or how the request failed.

namespace vix::test {

struct HttpResult {
    unsigned long error = 0;  // 0, or the WinHTTP error of the failed step
    unsigned long status = 0;
    std::string body;
    // The announced Content-Length; -1 when there was none.
    std::int64_t contentLength = -1;
};

// `timeoutMs` bounds each of resolving, connecting, sending and receiving.
HttpResult HttpGet(const std::wstring& url, int timeoutMs = 10000);

}  // namespace vix::test
