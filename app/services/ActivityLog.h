// The run's activity log: one text file per run in the LOGS folder of the
// program folder, one time-stamped line per event, for support to read.
#pragma once

#include "LogTime.h"
#include "win32/Handles.h"

#include <string>

namespace nimbrel {

class CActivityLog {
public:
    explicit CActivityLog(std::wstring programFolder, LocalClock clock = SystemLocalTime);

    // Appends the stamp, the message and a line end. Every line is on disk
    // when this returns (unless the log is kept open); a line that cannot be
    // written is dropped silently (logging never bothers the user).
    void WriteLog(const std::wstring& message);

    // While one exists, the log file stays open and lines are written a few
    // times a second rather than one by one: a scan writes a line per found
    // item, and a write of its own for each would cost as much as finding
    // the item. Every line is on disk when the last one ends.
    class KeptOpen {
    public:
        explicit KeptOpen(CActivityLog& log);
        ~KeptOpen();
        KeptOpen(const KeptOpen&) = delete;
        KeptOpen& operator=(const KeptOpen&) = delete;

    private:
        CActivityLog& log_;
    };

    // The run's log file; empty until the first line fixed it.
    const std::wstring& FileName() const { return fileName_; }
    std::wstring LogFolder() const { return programFolder_ + L"\\LOGS"; }

private:
    bool AppendLine(const std::string& bytes);
    bool WritePending();
    win32::UniqueFile OpenForAppending() const;

    std::wstring programFolder_;
    LocalClock clock_;
    std::wstring fileName_;
    // The file while kept open. A copy of the log opens its own file.
    struct OpenFile {
        OpenFile() = default;
        OpenFile(const OpenFile&) {}
        OpenFile& operator=(const OpenFile&) {
            file.Reset();
            pending.clear();
            return *this;
        }
        win32::UniqueFile file;
        int keepers = 0;
        std::string pending; // lines not written yet
        unsigned long long writtenAt = 0;
    } open_;
};

// The line as stored: ANSI text whose every line feed became CR LF.
std::string EncodeLogLine(const std::wstring& stamp, const std::wstring& message);

} // namespace nimbrel
