#include "ProgramStart.h"

#include "NimbrelControlApp.h"
#include "NimbrelControlDlg.h"
#include "SingleInstance.h"

#include <commctrl.h>

namespace nimbrel {

namespace {

// An installation in the program folder may take this long to finish after
// the user closed the main window.
constexpr DWORD kInstallationGraceMs = 120000;

} // namespace

int RunProgram() {
    INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
    InitCommonControlsEx(&controls);

    CSingleInstanceLock lock(kProductTitle);
    if (lock.AlreadyRunning()) {
        // The user asked for the program: show the one that runs.
        BringRunningInstanceForward(kProductTitle);
        return 0;
    }
    WriteLog(std::wstring(L"NMB is ready to start ") + kFullVersionText);
    {
        CNimbrelControlDlg mainWindow;
        mainWindow.DoModal();
    }
    // Replacing the program's files must not be cut short by its end.
    if (theApp.updateCheck.IsInstalling()) {
        theApp.updateCheck.Wait(kInstallationGraceMs);
    }
    return 0;
}

} // namespace nimbrel
