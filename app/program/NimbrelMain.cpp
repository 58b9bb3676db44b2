// Nimbrel.exe: the program's entry. It binds the program to the engine and
// the updater, which it links at load time, and runs the application: its
// window, or, when the command line asks for an action, a run without it.
#include "CommandLineOptions.h"
#include "CommandLineRun.h"
#include "CommunityItems.h"
#include "NimbrelControlApp.h"
#include "ProgramStart.h"

#include <scrubcore/Scrubcore.h>
#include <updrift/Updrift.h>

#include <windows.h>

namespace {

int RunWithoutWindow(const nimbrel::CommandRequest& request) {
    nimbrel::CCommandOutput output;
    return nimbrel::RunCommandLine(request, output);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // A scan only reports what it finds; the cleaning run switches the
    // engine to deleting for itself.
    Privacy_CheckDelete(0);
    nimbrel::CommunityItems().SetDownloadFunction(&AuDownloadFile);
    const nimbrel::CommandRequest request =
        nimbrel::ParseCommandLine(nimbrel::SplitArguments(GetCommandLineW()));
    if (request.action != nimbrel::CommandAction::Window) {
        ExitProcess(static_cast<UINT>(RunWithoutWindow(request)));
    }
    nimbrel::theApp.updateCheck.SetCheckFunction(&AuCheckForUpdates);
    // The process ends here, whatever the update check's worker is doing:
    // the objects it uses are never torn down under it.
    ExitProcess(static_cast<UINT>(nimbrel::RunProgram()));
}
