// Watching what the program's windows would show or open, for the tests
// that run the main window and the update check inside the test program.
#pragma once

#include "NimbrelControlApp.h"
#include "TestProcess.h"

#include <mutex>
#include <string>
#include <vector>

namespace app_tests {

struct ShownMessage {
    std::wstring text;
    std::wstring caption;
    UINT type;
};

struct ShellCall {
    std::wstring verb;
    std::wstring file;
};

// Answers every message box with `answer` and records it, and records every
// shell "open"; the application object's seams are put back afterwards.
class DesktopWatch {
public:
    explicit DesktopWatch(int answer = IDOK);
    ~DesktopWatch();
    DesktopWatch(const DesktopWatch&) = delete;
    DesktopWatch& operator=(const DesktopWatch&) = delete;

    void Answer(int answer);
    std::vector<ShownMessage> Messages() const;
    std::vector<ShellCall> ShellCalls() const;

private:
    mutable std::mutex mutex_;
    int answer_;
    std::vector<ShownMessage> messages_;
    std::vector<ShellCall> shellCalls_;
};

using testing_support::Pump;

} // namespace app_tests
