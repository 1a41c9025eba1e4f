#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "fake_photoshop_protocol.h"

// The tests' side of the fake Photoshop: registering it, configuring it for
// one test, reading what it received, and waiting for it to end.

namespace vix::test {

// What the tests configure the server to fail with.
inline constexpr HRESULT kRefused = static_cast<HRESULT>(0x80080005);  // CO_E_SERVER_EXEC_FAILURE
inline constexpr HRESULT kPlayFailed = static_cast<HRESULT>(0x80042001);

class FakePhotoshop {
  public:
    // A fresh folder for this test's control and record files.
    FakePhotoshop();
    ~FakePhotoshop();
    FakePhotoshop(const FakePhotoshop&) = delete;
    FakePhotoshop& operator=(const FakePhotoshop&) = delete;

    // Runs "fake_photoshop.exe /RegServer" from the test program's folder.
    static bool Register();

    // Writes `config` (its record path set to this test's record) and points
    // the server at it; the record starts empty.
    void Configure(FakePhotoshopConfig config);
    std::vector<RecordLine> Calls() const;
    // The calls of one interface and method, in order.
    std::vector<RecordLine> Calls(const std::string& object, const std::string& method) const;

    // Closes the server's Photoshop window, if any, and waits until every
    // server process this test started has ended; one that does not end in
    // time is ended, and the answer is false.
    bool WaitForExit(DWORD timeoutMs = 10000);

  private:
    std::wstring folder_;
    std::wstring recordPath_;
};

// The folder of the running program, with a final backslash.
std::wstring ProgramFolder();

}  // namespace vix::test
