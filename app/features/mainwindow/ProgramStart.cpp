#include "ProgramStart.h"

#include "NimbrelControlApp.h"
#include "NimbrelControlDlg.h"
#include "ShellSeams.h"
#include "SingleInstance.h"

#include <commctrl.h>

namespace nimbrel {

namespace {

constexpr wchar_t kCommandLineRunningText[] =
    L"Nimbrel is scanning and cleaning from the command line (a scheduled clean, perhaps). Please start it "
    L"again when that run has ended.";
// Its window is on another user's screen, out of reach from here.
constexpr wchar_t kOtherSessionText[] =
    L"Nimbrel is already running for another user of this computer. Please start it again when it has "
    L"ended.";

} // namespace

int RunProgram() {
    INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
    InitCommonControlsEx(&controls);

    CSingleInstanceLock lock(kProductTitle);
    if (lock.AlreadyRunning()) {
        // The user asked for the program: show the one that runs, or say
        // why none will show (a second start while the first is still
        // starting ends silently: the first shows itself when ready).
        if (!FindRunningMainWindow(kProductTitle) && IsWindowlessRunUnderWay(kProductTitle)) {
            ShowMessage(nullptr, kCommandLineRunningText, MB_OK | MB_ICONINFORMATION);
            return 0;
        }
        if (!lock.RunningInThisSession()) {
            ShowMessage(nullptr, kOtherSessionText, MB_OK | MB_ICONINFORMATION);
            return 0;
        }
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
