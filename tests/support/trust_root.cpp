// trust_root add|remove|check ROOT.der: trust in a test root inside the
// current Wine prefix, for scripts and manual runs.
#include <windows.h>

#include <cstdio>
#include <string>

#include "root_trust.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: trust_root add|remove|check ROOT.der\n");
        return 2;
    }
    const std::wstring command = argv[1];
    if (command == L"add") return vix::test::TrustTestRoot(argv[2]) ? 0 : 1;
    if (command == L"remove") return vix::test::DistrustTestRoot(argv[2]) ? 0 : 1;
    if (command == L"check") return vix::test::IsTestRootTrusted(argv[2]) ? 0 : 1;
    return 2;
}
