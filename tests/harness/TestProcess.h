// Processes, waiting, links and screenshots for tests running under Wine.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// Lets queued messages (paints, timers, clicks) reach this thread's
// windows, a few rounds so that what they post in turn arrives too.
void Pump();

// Polls until the condition holds or the timeout passes; true when it held.
bool WaitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = std::chrono::milliseconds(10000),
             std::chrono::milliseconds interval = std::chrono::milliseconds(20));

struct ProcessResult {
    bool started = false;
    bool finished = false; // false: still running at the timeout (it was killed)
    DWORD exitCode = 0;
};
// Runs a command line and waits for it (working folder optional). A host
// program (\\?\unix\...) starts but cannot be waited for: `finished` stays
// false, so have it leave a file behind and wait for that.
ProcessResult RunProcess(const std::wstring& commandLine, DWORD timeoutMs = 60000,
                         const std::wstring& workingFolder = L"");

// A window's rectangle in its parent's client coordinates.
RECT PlaceOf(HWND window);

// Runs this test program's tests matching `filter` (disabled ones too) in
// a process of its own, which sees the settings changed since this one
// started and the environment variables given (removed again afterwards).
ProcessResult RunTestsInChild(const std::wstring& filter,
                              const std::vector<std::pair<std::wstring, std::wstring>>& environment,
                              DWORD timeoutMs = 60000);

// The folder holding the running test program, and the build folder above it.
std::wstring TestProgramFolder();
std::wstring BuildFolder();
// The program folder with the deliverables (build\bin).
std::wstring ProgramFolder();

// The Linux path of a Windows path in the prefix (empty if Wine cannot tell).
std::string UnixPath(const std::wstring& windowsPath);
// A Linux symbolic link, which the prefix shows as a link (reparse point)
// for folders. True when it was made.
bool MakeUnixSymlink(const std::wstring& target, const std::wstring& link);

// Saves a picture of the whole X display as build\screenshots\<name>.png.
// Returns the Windows path of the picture, or empty.
std::wstring SaveScreenshot(const std::wstring& name);

} // namespace testing_support
