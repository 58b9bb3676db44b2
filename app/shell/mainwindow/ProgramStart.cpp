#include "ProgramStart.h"

#include "NimbrelControlApp.h"
#include "NimbrelControlDlg.h"
#include "SingleInstance.h"

#include <commctrl.h>

namespace nimbrel {

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
    // Replacing the program's files must not be cut short by its end. The
    // ready-to-install notice may still be up: it stays on the screen, and
    // the installation follows once the user has read it.
    if (theApp.updateCheck.IsInstalling()) {
        theApp.updateCheck.Wait(INFINITE);
    }
    return 0;
}

} // namespace nimbrel
