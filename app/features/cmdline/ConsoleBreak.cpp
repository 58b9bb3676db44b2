#include "ConsoleBreak.h"

namespace nimbrel {

CConsoleBreak::CConsoleBreak() {
    requested_ = false;
    SetConsoleCtrlHandler(&CConsoleBreak::OnControl, TRUE);
}

CConsoleBreak::~CConsoleBreak() {
    SetConsoleCtrlHandler(&CConsoleBreak::OnControl, FALSE);
}

BOOL WINAPI CConsoleBreak::OnControl(DWORD type) {
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT) {
        return FALSE; // closing the console or logging off ends the process as usual
    }
    requested_ = true;
    return TRUE;
}

} // namespace nimbrel
