#pragma once

#include <string>

#include "wine_host.h"

// The certificates made for this test run (the CTest fixture "test_pki"),
// as a Windows path with a trailing backslash.

namespace vix::test {

inline std::wstring SharedTestPki() { return WindowsPath(VIX_TEST_PKI_DIR "/"); }

}  // namespace vix::test
