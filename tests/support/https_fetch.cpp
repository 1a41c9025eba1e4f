// Fetches one address in a process of its own and reports how it went:
// a process reads the trusted roots once, so each trust state the tests
// check needs a new process. Prints "status N bytes M" or "error N"; exits
// with 0 on an answer, else with the WinHTTP error.
#include <windows.h>

#include <cstdio>

#include "http_get.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    const auto result = vix::test::HttpGet(argv[1]);
    if (result.error != 0) {
        std::printf("error %lu\n", result.error);
        return static_cast<int>(result.error);
    }
    std::printf("status %lu bytes %u\n", result.status, static_cast<unsigned>(result.body.size()));
    return 0;
}
