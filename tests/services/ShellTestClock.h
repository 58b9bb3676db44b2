// A local clock the tests set by hand, for exact log names and stamps.
#pragma once

#include <windows.h>

namespace shell_tests {

SYSTEMTIME& Now();
SYSTEMTIME At(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second);
inline SYSTEMTIME TestClock() {
    return Now();
}

} // namespace shell_tests
