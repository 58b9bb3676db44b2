// The program's application object: the one piece of process-wide state of
// Nimbrel.exe. It owns the run's activity log and the desktop seams; the
// start-up of the program builds on it.
#pragma once

#include "ActivityLog.h"
#include "ShellSeams.h"

namespace nimbrel {

// The product title: window title, message-box caption, single-instance
// lock, settings key and start-up entry name.
inline constexpr wchar_t kProductTitle[] = L"Nimbrel";
// The version shown to the user and compared with offered updates.
inline constexpr wchar_t kVersionText[] = L"2.3.2";
// The full version, which marks the first and last log line of a run.
inline constexpr wchar_t kFullVersionText[] = L"2.3.2.1";

class CNimbrelControlApp {
public:
    CNimbrelControlApp();

    CActivityLog log;
    CShellSeams seams;
};

extern CNimbrelControlApp theApp;

// One time-stamped line in the run's log.
void WriteLog(const std::wstring& message);

} // namespace nimbrel
