// Linked into every Windows test program. CTest learns the tests by reading
// the program's --gtest_list_tests output through a pipe. Under Wine, a
// listing written in the C library's 4 KB pieces to a pipe whose reader is
// slow (a loaded machine) has been seen to arrive with one piece twice, and
// CTest then ran and counted those tests twice. Written in one piece, well
// under a pipe's capacity, the listing arrives as it was written.

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[maybe_unused]] const bool kListingInOneWrite = [] {
    for (int i = 1; i < __argc; ++i) {
        if (std::strncmp(__argv[i], "--gtest_list_tests", 18) == 0) {
            static char buffer[1 << 20];
            std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
        }
    }
    return true;
}();

}  // namespace
