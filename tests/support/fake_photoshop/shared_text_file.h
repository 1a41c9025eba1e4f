#pragma once

#include <windows.h>

#include <string>

#include "platform/handle.h"

// The control and record files are read by one process while the other may
// still write them, so they are opened with every kind of sharing.

namespace vix::test {

// The whole file's bytes; empty when it cannot be opened.
inline std::string ReadSharedTextFile(const std::wstring& path) {
    platform::File file(::CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return {};
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);
    return text;
}

}  // namespace vix::test
