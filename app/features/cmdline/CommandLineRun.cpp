#include "CommandLineRun.h"

#include "ClosingFigures.h"
#include "CommandLineItems.h"
#include "CommandLineScan.h"
#include "CommandLineText.h"
#include "CommunityItems.h"
#include "ConsoleBreak.h"
#include "MessageBoxAnswerer.h"
#include "NimbrelControlApp.h"
#include "SettingsStore.h"
#include "SingleInstance.h"

namespace nimbrel {

namespace {

const wchar_t* ActionName(CommandAction action) {
    switch (action) {
    case CommandAction::Preview:
        return L"/preview";
    case CommandAction::Clean:
        return L"/clean";
    case CommandAction::List:
        return L"/list";
    case CommandAction::UpdateRules:
        return L"/update-rules";
    default:
        return L"";
    }
}

// Right after installation the selection is the factory one, as the
// window's first start would make it.
void WriteDefaultSelectionOnFirstRun() {
    if (GetInt(kProductTitle, L"first") == 0) {
        return;
    }
    WriteDefaultSelection(kProductTitle);
    SetInt(kProductTitle, L"first", 0);
}

// Holds the runs gate for as long as the scan and the cleaning take: an
// update waits for them and never ends the program under them.
class CRunUnderWay {
public:
    CRunUnderWay() : begun_(theApp.runs.BeginRun()) {}
    ~CRunUnderWay() {
        if (begun_) {
            theApp.runs.EndRun();
        }
    }
    CRunUnderWay(const CRunUnderWay&) = delete;
    CRunUnderWay& operator=(const CRunUnderWay&) = delete;
    bool Begun() const { return begun_; }

private:
    bool begun_;
};

int ScanAndClean(const CommandRequest& request, CCommandOutput& output) {
    const bool clean = request.action == CommandAction::Clean;
    CRunUnderWay underWay;
    if (!underWay.Begun()) {
        WriteLog(L"Scan not started: an update is being installed");
        output.PrintError(L"An update of Nimbrel is being installed. Try again when it has finished.\r\n");
        return kExitError;
    }
    CActivityLog::KeptOpen keepLogOpen(theApp.log);
    CMessageBoxAnswerer answerer(output);
    const CConsoleBreak breakKey;
    CPrintingScanObserver observer(output);
    CScanRun run(kProductTitle, observer);
    run.KeepFiles(output.OwnFiles());
    if (!request.items.empty()) {
        const NamedItems named = ItemsNamed(request.items);
        if (!named.error.empty()) {
            WriteLog(named.error);
            output.PrintError(named.error + L"\r\n");
            return kExitError;
        }
        run.ChooseItems(named.items);
        // The window asks before such an entry is ticked; a named run cannot
        // ask, so it says what the entry's authors warn of.
        for (const SelectionItem* item : named.items) {
            const std::wstring& warning = CommunityItems().WarningOf(*item);
            if (!warning.empty()) {
                output.PrintError(L"Note on \"" + SelectionValueName(*item) + L"\": " + warning + L"\r\n");
            }
        }
    }
    observer.SetBetweenEntries([&] {
        if (breakKey.Requested()) {
            run.Stop();
        }
    });
    // The window's "When erasing" choice is not stored: every start begins
    // with the same one.
    run.Run(OverwritePassesFor(kInitialErasingChoice));
    WriteLog(run.WasStopped() ? L"Scanning stopped by user" : L"SCanning Completed");
    if (!run.AnySelected()) {
        output.PrintError(
            L"No item is selected. Choose the items to scan on the Options page of Nimbrel.\r\n");
        return kExitError;
    }
    ScanSession session;
    session.scanStarted = true;
    bool stopped = run.WasStopped();
    bool nothingRemoved = false;
    if (run.FoundCount() == 0 && !stopped) {
        output.Print(L"Nothing found in the selected items.\r\n");
    } else if (clean && !stopped) {
        const CleaningOutcome outcome =
            CleanChosenItems(kProductTitle, observer.FoundItems(), observer.Records(), [&] {
                output.FlushIfDue();
                return !breakKey.Requested();
            });
        session.cleanedAny = outcome.anyHandedOver;
        output.Print(L"\r\n" + CleaningText(outcome));
        stopped = outcome.notReached > 0;
        nothingRemoved = outcome.anyHandedOver && outcome.totals.cleaned == 0;
    }
    output.Print(L"\r\n" + SummaryText(LoadReportFigures(kProductTitle, session), clean));
    if (stopped) {
        output.PrintError(
            L"Stopped (Ctrl+C) before the run ended: what was not reached is left as it is.\r\n");
        return kExitError;
    }
    if (nothingRemoved) {
        // A scheduled clean that every week meets an open browser must not
        // read as a success.
        output.PrintError(L"Nothing was removed: every found item is in use (close the programs that hold "
                          L"them, a running browser among them) or could not be removed.\r\n");
        return kExitNothingRemoved;
    }
    return run.FoundCount() > 0 ? kExitFound : kExitNothingFound;
}

} // namespace

int RunCommandLine(const CommandRequest& request, CCommandOutput& output) {
    switch (request.action) {
    case CommandAction::Invalid:
        output.PrintError(request.error + L"\r\n" + UsageText());
        return kExitError;
    case CommandAction::Help:
        output.Print(UsageText());
        return kExitNothingFound;
    case CommandAction::Window:
        return kExitError; // the window is not run from here
    default:
        break;
    }
    // A scheduled run leaves its report even when it cannot run.
    if (!request.reportFile.empty() && !output.OpenReport(request.reportFile)) {
        output.PrintError(L"Cannot write the report file " + request.reportFile + L"\r\n");
        return kExitError;
    }
    CSingleInstanceLock lock(kProductTitle);
    if (lock.AlreadyRunning()) {
        output.PrintError(L"Nimbrel is already running. Close its window, or wait until the other run has "
                          L"ended, then try again.\r\n");
        return kExitError;
    }
    const CWindowlessRunMark mark(kProductTitle);
    WriteLog(std::wstring(L"NMB is ready to start ") + kFullVersionText);
    WriteLog(std::wstring(L"Command line ") + ActionName(request.action));
    WriteDefaultSelectionOnFirstRun();
    int code = kExitNothingFound;
    if (request.action == CommandAction::List) {
        output.Print(SelectionListText(kProductTitle));
    } else if (request.action == CommandAction::UpdateRules) {
        const RulesUpdateOutcome outcome = CommunityItems().UpdateRules(kProductTitle);
        if (outcome.updated) {
            output.Print(outcome.text + L"\r\n");
        } else {
            output.PrintError(outcome.text + L"\r\n");
            code = kExitError;
        }
    } else {
        code = ScanAndClean(request, output);
    }
    output.Flush();
    SettleFiguresAtClose(kProductTitle);
    WriteLog(std::wstring(L"NMB is Closed ") + kFullVersionText);
    return code;
}

} // namespace nimbrel
