// The program's application object: the one piece of process-wide state of
// Nimbrel.exe. It owns the run's activity log, the desktop seams, and the
// state shared with the update check's worker.
#pragma once

#include "ActivityLog.h"
#include "RunGate.h"
#include "ShellSeams.h"
#include "UpdateCheck.h"

namespace nimbrel {

// The product title: window title, message-box caption, single-instance
// lock, settings key and start-up entry name.
inline constexpr wchar_t kProductTitle[] = L"Nimbrel";
// The version shown to the user.
inline constexpr wchar_t kVersionText[] = L"2.3.2";
// The full version, which marks the first and last log line of a run and
// which offered updates must exceed.
inline constexpr wchar_t kFullVersionText[] = L"2.3.2.1";

class CNimbrelControlApp {
public:
    CNimbrelControlApp();

    CActivityLog log;
    CShellSeams seams;
    // Scan and cleaning runs under way (the update installation waits for them).
    CRunGate runs;
    CUpdateCheck updateCheck{runs};
};

extern CNimbrelControlApp theApp;

// One time-stamped line in the run's log.
void WriteLog(const std::wstring& message);

} // namespace nimbrel
