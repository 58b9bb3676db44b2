// Watching what the program's windows would show or open, for the tests
// that run the main window and the update check inside the test program.
#pragma once

#include "NimbrelControlApp.h"
#include "TestProcess.h"

#include <windows.h>

#include <commctrl.h>

#include <mutex>
#include <string>
#include <vector>

namespace app_tests {

struct ShownMessage {
    std::wstring text;
    std::wstring caption;
    UINT type;
};

struct ShellCall {
    std::wstring verb;
    std::wstring file;
};

// Answers every message box with `answer` and records it, records every
// shell "open", and hands the open-file dialog the files it is given; the
// application object's seams are put back afterwards.
class DesktopWatch {
public:
    explicit DesktopWatch(int answer = IDOK);
    ~DesktopWatch();
    DesktopWatch(const DesktopWatch&) = delete;
    DesktopWatch& operator=(const DesktopWatch&) = delete;

    void Answer(int answer);
    // One file per open-file dialog, in turn; once they are used up, the
    // dialog is cancelled.
    void ChooseFiles(std::vector<std::wstring> files);
    std::vector<ShownMessage> Messages() const;
    std::vector<ShellCall> ShellCalls() const;
    std::vector<std::wstring> FileDialogTitles() const;

private:
    mutable std::mutex mutex_;
    int answer_;
    std::vector<ShownMessage> messages_;
    std::vector<ShellCall> shellCalls_;
    std::vector<std::wstring> filesToChoose_;
    std::vector<std::wstring> fileDialogTitles_;
};

using testing_support::Pump;

// The space bar on a tree's node as the user presses it: the node selected,
// the window in front, the tree focused, the key typed.
void PressSpaceOn(HWND window, HWND tree, HTREEITEM node);

} // namespace app_tests
