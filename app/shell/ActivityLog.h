// The run's activity log: one text file per run in the LOGS folder of the
// program folder, one time-stamped line per event, for support to read.
#pragma once

#include "LogTime.h"
#include "core/Handles.h"

#include <string>

namespace nimbrel {

class CActivityLog {
public:
    explicit CActivityLog(std::wstring programFolder, LocalClock clock = SystemLocalTime);

    // Appends the stamp, the message and a line end. Every line is on disk
    // when this returns; a line that cannot be written is dropped silently
    // (logging never bothers the user).
    void WriteLog(const std::wstring& message);

    // While one exists, the log file stays open between lines: a scan writes
    // a line per found item, and opening the file for each would cost as
    // much as finding the item. Lines still reach the file as they are
    // written.
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
    scrub::UniqueFile OpenForAppending() const;

    std::wstring programFolder_;
    LocalClock clock_;
    std::wstring fileName_;
    // The file while kept open. A copy of the log opens its own file.
    struct OpenFile {
        OpenFile() = default;
        OpenFile(const OpenFile&) {}
        OpenFile& operator=(const OpenFile&) {
            file.Reset();
            return *this;
        }
        scrub::UniqueFile file;
        int keepers = 0;
    } open_;
};

// The line as stored: ANSI text whose every line feed became CR LF.
std::string EncodeLogLine(const std::wstring& stamp, const std::wstring& message);

} // namespace nimbrel
