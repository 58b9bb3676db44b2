// The engine's one run state, shared by every export for the life of the
// process. The engine is not reentrant: the host calls exports one after
// another on one thread and stops them cooperatively. Only the open tests of
// a report-only walk run on other threads (the walk pool's), and they touch
// none of this state but the linked roots, which guard themselves.
#pragma once

#include "core/WorkerPool.h"
#include "files/LinkedRoots.h"
#include "files/SameEntry.h"
#include "scrubcore/Scrubcore.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace scrub {

struct RuleSet;

// Shows an engine message; the result is the button pressed. Tests replace
// the platform's message box with one they can observe and answer.
using MessageBoxHook = int (*)(const std::wstring& text, const std::wstring& caption, UINT type);

inline constexpr wchar_t kProductTitle[] = L"Nimbrel";

// A file of the host's own (files/KeptFiles.h): its long name and where it
// is on its volume.
struct KeptFileIdentity {
    std::wstring name;
    unsigned long volume = 0;
    unsigned long long index = 0;
};

class CScrubcoreApp {
public:
    bool deleteMode = false;    // false: traces are reported and measured only
    bool stopRequested = false; // items return at entry, walks end at their next entry
    bool indexDatPass = false;  // walks pass over desktop.ini while the index.dat item runs
    unsigned long long countedFiles = 0;
    unsigned long long registryValues = 0;
    double totalKilobytes = 0;  // since the last Privacy_ClearFilesSize
    double lastCleanedSize = 0; // bytes of the last file Privacy_CleanSelitems measured
    int overwritePasses = 0;    // chosen in the host: a chosen file is overwritten this often before it goes
    // The sites (lower case, UTF-8) whose cookies survive every cleaning;
    // while it is empty the cookie items take whole cookie files.
    std::vector<std::string> cookieSitesToKeep;
    // A database whose rows were removed is rebuilt without its free pages.
    bool compactDatabases = true;
    ScrubcoreScanCallBack scanCallback = nullptr;
    ScrubcoreProcessMessage processMessage = nullptr;
    std::vector<std::wstring> fixedDrives; // "C:\" for every fixed drive
    MessageBoxHook messageBox = nullptr;   // null: the platform's message box
    // Tests look at a file between the passes that overwrite it (pass 1...).
    void (*afterOverwritePass)(HANDLE file, int pass) = nullptr;
    // Tests watch (slow down, or make fail) a file's open test, on whichever
    // thread runs it.
    void (*afterOpenTest)(const std::wstring& path, bool passed) = nullptr;
    // Whether a report-only walk may take a folder's listing for what is a
    // link (files/SameEntry.h); tests choose either.
    bool listingsShowFileLinks = ListingsShowFileLinks();
    // The host's own files: never reported, counted or removed.
    std::vector<KeptFileIdentity> keptFiles;
    // The roots the catalogue named and where the linked ones lead (the one
    // part of this state the walk pool's open tests read: it has a lock).
    LinkedRoots linkedRoots;
    // The threads that test a report-only walk's next files while it reports.
    WorkerPool walkPool;
    // Traces a report-only scan has reported since the size total was last
    // cleared (upper-cased: files and registry names match without case).
    std::unordered_set<std::wstring> reportedTraces;
    // The browsers a cleaning run has looked at before deleting their files,
    // by name: true while one still ran after the user was asked to close it
    // (its files stay). A new size count starts a new run.
    std::unordered_map<std::wstring, bool> browsersAskedToClose;
    // Where each of those programs keeps its profiles, by name, looked up
    // once per cleaning run.
    std::unordered_map<std::wstring, std::vector<std::wstring>> profileFolders;
    // The community rules the host loaded last; null before the first load.
    std::shared_ptr<const RuleSet> communityRules;

    // Hands one found-item text to the host. The text lives in a BSTR that
    // exists for the duration of the call only.
    void Report(const std::wstring& text);
    // Lets the host run its message loop.
    void Pump();
    // A message box with no owner and the product title as caption.
    int ShowMessage(const std::wstring& text, UINT type);

    void AddBytes(double bytes) { totalKilobytes += bytes * 0.0009765625; }

    // Whether a file or registry value is met for the first time in this
    // count. When two ticked items reach the same trace, a report-only scan
    // shows it once, under the first item, and measures it once: what a scan
    // finds is what cleaning can remove, and unticking it really keeps it.
    // Delete mode never passes anything over.
    bool FirstMeetingOfTrace(const std::wstring& text);
    // Starts a new count (the size total is cleared, or the mode changes).
    void ForgetReportedTraces() { reportedTraces.clear(); }
};

extern CScrubcoreApp theApp;

} // namespace scrub
