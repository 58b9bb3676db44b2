#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>

namespace {

// Tests create, scan and delete files: they run only in a prefix that the
// test driver isolated (drives C: and N: only, no drive onto the whole host).
bool InIsolatedPrefix() {
    const DWORD drives = GetLogicalDrives();
    const DWORD allowed = (1u << ('C' - 'A')) | (1u << ('N' - 'A'));
    return (drives & ~allowed) == 0;
}

} // namespace

int main(int argc, char** argv) {
    // A crash must end the test program, not wait on a dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    if (!InIsolatedPrefix() && !GetEnvironmentVariableW(L"NIMBREL_TESTS_ANY_PREFIX", nullptr, 0)) {
        std::fprintf(stderr,
                     "refusing to run: this Wine prefix maps drives beyond C: and N:, so a test could reach the "
                     "host's files. Run the tests through scripts/run-tests.sh (make test), or source "
                     "scripts/wine-env.sh and call wine_env on the build folder's wine-test state first.\n");
        return 3;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
