// A run without the window never waits for a message box: nobody may be
// there to answer it (a clean scheduled to run whether the user is logged on
// or not shows its boxes on a desktop nobody sees). While an answerer lives,
// every message box the thread opens (the engine tells of a paging file
// that goes at the next restart that way) is printed instead and closed with
// its default button.
#pragma once

#include "CommandOutput.h"

#include <windows.h>

namespace nimbrel {

class CMessageBoxAnswerer {
public:
    explicit CMessageBoxAnswerer(CCommandOutput& output);
    ~CMessageBoxAnswerer();
    CMessageBoxAnswerer(const CMessageBoxAnswerer&) = delete;
    CMessageBoxAnswerer& operator=(const CMessageBoxAnswerer&) = delete;

private:
    static LRESULT CALLBACK OnWindowEvent(int code, WPARAM wParam, LPARAM lParam);
    void Answer(HWND box);

    CCommandOutput& output_;
    HHOOK hook_ = nullptr;
};

} // namespace nimbrel
