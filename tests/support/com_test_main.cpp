// The main of the test programs that start out-of-process COM servers.
// After a refused or failed activation, Wine's COM runtime now and then
// never returns from the process's exit, long after every result has been
// written. The program ends itself once the results are out instead.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::fflush(stdout);
    std::fflush(stderr);
    ::TerminateProcess(::GetCurrentProcess(), static_cast<UINT>(result));
    return result;
}
