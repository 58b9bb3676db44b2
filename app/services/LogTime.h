// The time texts of the activity log: the log file's name, the stamp that
// starts every line, and the name of a log archive.
#pragma once

#include <windows.h>

#include <string>

namespace nimbrel {

// Where the log and the archive read the local time; tests pass a fixed one.
using LocalClock = SYSTEMTIME (*)();
SYSTEMTIME SystemLocalTime();

// "LOGS_12_06_2026_19_15_43_PM.log": hours on the 24-hour clock followed by
// AM or PM, as support has always received them.
std::wstring LogFileName(const SYSTEMTIME& time);
// "12/06/2026 19:15:43 PM:" (the message follows without a blank).
std::wstring LogLineStamp(const SYSTEMTIME& time);
// "LOGS_12_06_2026_19_20_05.zip".
std::wstring ArchiveFileName(const SYSTEMTIME& time);

} // namespace nimbrel
