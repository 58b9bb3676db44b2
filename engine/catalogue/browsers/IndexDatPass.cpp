#include "catalogue/browsers/BrowserAlgorithms.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Roots.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "core/ScrubcoreApp.h"
#include "files/FilePrimitives.h"
#include "files/SameEntry.h"

namespace scrub {
namespace {

// desktop.ini gives the history folders their look in Explorer; it is
// passed over only while this pass runs, and never longer.
class IndexDatPassFlag {
public:
    IndexDatPassFlag() { theApp.indexDatPass = true; }
    ~IndexDatPassFlag() { theApp.indexDatPass = false; }
    IndexDatPassFlag(const IndexDatPassFlag&) = delete;
    IndexDatPassFlag& operator=(const IndexDatPassFlag&) = delete;
};

// The cookie index is held open while the shell runs, so it is reported
// without the open test the other files pass (cleaning it removes it at the
// next restart). A cookie index that is not there, or is a link, is no
// trace.
void ReportCookieIndex() {
    const std::wstring path = UnderRoot(CookiesFolder(), L"\\index.dat");
    if (path.empty()) {
        return;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) ||
        !IsEntryItself(path)) {
        return;
    }
    // The Cookies item may have shown it already in this count.
    if (theApp.FirstMeetingOfTrace(path)) {
        theApp.Report(path);
    }
}

} // namespace

void IndexDatPass() {
    IndexDatPassFlag passing;
    // XP keeps the history in "Local Settings", later Windows in the History
    // shell folder; on XP both name one folder.
    const std::wstring xpHistory = UnderRoot(LocalSettingsFolder(), L"\\History");
    std::wstring history = HistoryFolder();
    if (win32::EqualsNoCase(history, xpHistory)) {
        history.clear();
    }
    for (const std::wstring& folder : {xpHistory, history}) {
        for (int version = 5; version <= 7; ++version) {
            if (theApp.stopRequested) {
                return;
            }
            if (!folder.empty()) {
                WalkFolder(folder + L"\\History.IE" + std::to_wstring(version));
            }
        }
    }
    if (theApp.stopRequested) {
        return;
    }
    const std::wstring updateStore = UnderRoot(ProfileFolder(), L"\\UserData\\index.dat");
    if (!updateStore.empty()) {
        HandleFile(updateStore);
    }
    if (theApp.stopRequested) {
        return;
    }
    ReportCookieIndex();
}

} // namespace scrub
