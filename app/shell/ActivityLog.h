// The run's activity log: one text file per run in the LOGS folder of the
// program folder, one time-stamped line per event, for support to read.
#pragma once

#include "LogTime.h"

#include <string>

namespace nimbrel {

class CActivityLog {
public:
    explicit CActivityLog(std::wstring programFolder, LocalClock clock = SystemLocalTime);

    // Appends the stamp, the message and a line end. Every line is on disk
    // when this returns; a line that cannot be written is dropped silently
    // (logging never bothers the user).
    void WriteLog(const std::wstring& message);

    // The run's log file; empty until the first line fixed it.
    const std::wstring& FileName() const { return fileName_; }
    std::wstring LogFolder() const { return programFolder_ + L"\\LOGS"; }

private:
    bool AppendLine(const std::string& bytes) const;

    std::wstring programFolder_;
    LocalClock clock_;
    std::wstring fileName_;
};

// The line as stored: ANSI text whose every line feed became CR LF.
std::string EncodeLogLine(const std::wstring& stamp, const std::wstring& message);

} // namespace nimbrel
