#pragma once

#include <chrono>
#include <string>

#include "wine_host.h"

namespace vix::test {

// A Unix symbolic link at `link` (no trailing backslash) to the folder
// `target`: Wine makes no junctions, but follows such a link as Windows
// follows a junction.
inline bool PlantUnixLink(std::wstring target, const std::wstring& link) {
    if (target.back() == L'\\') target.pop_back();
    const std::string from = UnixPath(target), to = UnixPath(link);
    return !from.empty() && !to.empty() && StartUnixProgram({"/bin/ln", "-s", from, to}) &&
           WaitForFile(link, std::chrono::seconds(10));
}

}  // namespace vix::test
