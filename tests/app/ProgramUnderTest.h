// The real Nimbrel.exe for the program's tests: a copy of the program
// folder in a place with a blank in its path (as under "Program Files"),
// the program running from it, its windows, its log and its settings.
#pragma once

#include "TestFiles.h"

#include <windows.h>

#include <string>
#include <vector>

namespace app_tests {

inline constexpr wchar_t kSettingsKey[] = L"SOFTWARE\\Nimbrel";
inline constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The program's settings key starts empty and is removed afterwards; the
// start-up entry goes too.
class CleanSettings {
public:
    CleanSettings();
    ~CleanSettings();
    CleanSettings(const CleanSettings&) = delete;
    CleanSettings& operator=(const CleanSettings&) = delete;

    void Set(const std::wstring& name, const std::wstring& text) const;
    // The value's text, or "(absent)".
    std::wstring Get(const std::wstring& name) const;
};

// The deliverables copied to "<test folder>\Program Files\Nimbrel".
class ProgramFolderCopy {
public:
    ProgramFolderCopy();
    const std::wstring& Folder() const { return folder_; }
    std::wstring Program() const { return folder_ + L"\\Nimbrel.exe"; }
    // Every line of every log of the folder, without its time stamp.
    std::vector<std::wstring> LogLines() const;
    int LogFileCount() const;

private:
    testing_support::TestFolder root_;
    std::wstring folder_;
};

// One start of the program; whatever still runs at the end is ended.
class RunningProgram {
public:
    explicit RunningProgram(const std::wstring& program);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }

    // The splash window while it is shown (null once it has gone).
    HWND Splash() const;
    // Makes the splash's timer fire now rather than after its seconds.
    void CutSplashShort() const;
    // Waits for the main window to be shown (null at the timeout).
    HWND WaitForMainWindow(DWORD timeoutMs = 15000);
    HWND MainWindow() const { return main_; }
    // A visible top-level window of the program with this title.
    HWND WaitForWindow(const std::wstring& title, DWORD timeoutMs = 10000) const;
    // True when the process ended in time; its exit code in `code`.
    bool WaitForExit(DWORD timeoutMs, DWORD* code = nullptr) const;
    // Starts and waits until the main window is up, splash cut short.
    static bool StartAndShow(RunningProgram& program);

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
    HWND main_ = nullptr;
};

// The windows of a process with a title and class (empty: any).
std::vector<HWND> TopLevelWindows(DWORD processId, const std::wstring& title, bool visibleOnly = true);
// A child of `parent` (at any depth) with this control identifier.
HWND FindChild(HWND parent, int id);
// Presses a button as the user would, without waiting for what it opens.
void PostClick(HWND button);
// A click of the mouse on a window (labels report it to their dialog).
void PostMouseClick(HWND window);
// The window with the keyboard focus in the thread owning `window`.
HWND FocusOf(HWND window);
// A picture of the display once the program has painted what it just
// showed (it paints when its queue falls idle, after our request returned).
void SaveSettledScreenshot(const std::wstring& name);

} // namespace app_tests
