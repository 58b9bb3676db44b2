#include "catalogue/browsers/BrowserAlgorithms.h"

#include "core/Handles.h"
#include "core/PathText.h"
#include "core/ScrubcoreApp.h"

#include <tlhelp32.h>

namespace scrub {

bool IsProgramRunning(std::initializer_list<const wchar_t*> executableNames) {
    // A failed snapshot is INVALID_HANDLE_VALUE, as a failed file open is.
    UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        return false;
    }
    PROCESSENTRY32W process{};
    process.dwSize = sizeof process;
    for (BOOL more = Process32FirstW(snapshot.Get(), &process); more;
         more = Process32NextW(snapshot.Get(), &process)) {
        const std::wstring running = LastComponent(process.szExeFile);
        for (const wchar_t* name : executableNames) {
            if (EqualsNoCase(running, name)) {
                return true;
            }
        }
    }
    return false;
}

void AskToCloseBrowser(std::initializer_list<const wchar_t*> executableNames) {
    // A report-only scan changes nothing the browser could write back, so
    // it is never held up by a question.
    if (!theApp.deleteMode || !IsProgramRunning(executableNames)) {
        return;
    }
    theApp.ShowMessage(L"Please close all Internet Explorer application first, and click OK",
                       MB_OK | MB_ICONEXCLAMATION);
}

} // namespace scrub
