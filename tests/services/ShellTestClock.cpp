#include "ShellTestClock.h"

namespace shell_tests {

SYSTEMTIME& Now() {
    static SYSTEMTIME now = At(2026, 12, 6, 19, 15, 43);
    return now;
}

SYSTEMTIME At(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME t{};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    t.wHour = hour;
    t.wMinute = minute;
    t.wSecond = second;
    return t;
}

} // namespace shell_tests
