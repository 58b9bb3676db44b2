// Packs the program's activity logs into one ZIP archive for support.
#pragma once

#include "LogTime.h"

#include <string>

namespace nimbrel {

struct LogArchiveResult {
    std::wstring archivePath; // empty when no archive is left on disk
    int filesAdded = 0;
    bool failed = false; // the archive could not be made or written
};

// Puts every LOGS\*.log file of the program folder, under its bare name,
// into LOGS_<time>.zip in the program folder, then shows the folder (or
// tells the user that there are no logs).
LogArchiveResult ArchiveLogs(const std::wstring& programFolder, LocalClock clock = SystemLocalTime);

} // namespace nimbrel
