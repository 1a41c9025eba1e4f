#pragma once

#include <chrono>
#include <string>

#include "wine_host.h"

// What the tests can plant for a junction: Wine makes none, but it follows
// a Unix symbolic link as Windows follows a junction.

namespace vix::test {

// A Unix symbolic link at `link` (a Windows path, no trailing backslash) to
// the folder `target`.
inline bool PlantUnixLink(std::wstring target, const std::wstring& link) {
    using namespace std::chrono_literals;
    while (target.size() > 3 && target.back() == L'\\')
        target.pop_back();
    const std::string from = UnixPath(target), to = UnixPath(link);
    return !from.empty() && !to.empty() && StartUnixProgram({"/bin/ln", "-s", from, to}) &&
           WaitForFile(link, 10s);
}

}  // namespace vix::test
