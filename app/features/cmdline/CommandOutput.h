// Where the text of a run without the window goes. Nimbrel.exe is a windowed
// program, so the system gives it no console of its own: a standard stream
// that the caller redirected to a file or a pipe receives UTF-8 bytes, any
// other is written to the console the program was started from (when there
// is one) as UTF-16, so that every character of a path shows as the console
// can draw it. A report file gets a copy of everything, errors included, in
// UTF-8 behind a byte-order mark, so that editors know its encoding.
#pragma once

#include "win32/Handles.h"

#include <windows.h>

#include <string>
#include <vector>

namespace nimbrel {

class CCommandOutput {
public:
    // Looks at the standard output and error handles the program inherited,
    // and attaches to the parent's console for those that lead nowhere.
    CCommandOutput();
    ~CCommandOutput();
    CCommandOutput(const CCommandOutput&) = delete;
    CCommandOutput& operator=(const CCommandOutput&) = delete;

    // Creates (or empties) the report file; false when it cannot be written.
    bool OpenReport(const std::wstring& path);

    // The files this run writes: the report and any redirect target.
    std::vector<std::wstring> OwnFiles() const;

    // Output, gathered and written a few times a second: a scan can print
    // a line for each of many thousand found items.
    void Print(const std::wstring& text);
    // An error, at once, after any output still waiting.
    void PrintError(const std::wstring& text);
    // Writes what waits when it has waited long enough.
    void FlushIfDue();
    void Flush();

private:
    struct Target {
        enum class Kind { None, Console, Bytes } kind = Kind::None;
        HANDLE handle = nullptr; // not owned
    };
    static Target Inherited(DWORD standardHandle);
    static void Write(const Target& target, const std::wstring& text);
    void WriteToReport(const std::wstring& text);

    Target out_;
    Target error_;
    win32::UniqueFile console_; // the parent's console, when attached
    win32::UniqueFile report_;
    std::wstring reportPath_;
    std::wstring pending_;
    ULONGLONG writtenAt_ = 0;
};

} // namespace nimbrel
