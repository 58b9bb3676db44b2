// Ctrl+C or Ctrl+Break in the console a command-line run was started from:
// the run stops at its next item and writes what it did, instead of the
// process ending between two deletions with no figures written.
#pragma once

#include <windows.h>

#include <atomic>

namespace nimbrel {

class CConsoleBreak {
public:
    CConsoleBreak();
    ~CConsoleBreak();
    CConsoleBreak(const CConsoleBreak&) = delete;
    CConsoleBreak& operator=(const CConsoleBreak&) = delete;

    bool Requested() const { return requested_.load(); }

    // The console's handler, run on a thread of the system's. Tests call it
    // directly: Wine sends no break to a program without a console window.
    static BOOL WINAPI OnControl(DWORD type);

private:
    // A console handler takes no context, so the request lives here; only
    // one command-line run exists in a process.
    static inline std::atomic<bool> requested_{false};
};

} // namespace nimbrel
