// The engine's control exports: callbacks, modes, counters and the size total.
#include "core/ExportGuard.h"
#include "core/ScrubcoreApp.h"
#include "databases/CookieRows.h"
#include "files/KeptFiles.h"

#include <cstdio>

using scrub::theApp;

SCRUBCORE_API int PrivacyInit(void) {
    theApp.countedFiles = 0;
    theApp.registryValues = 0;
    return 1;
}

// One body under two export names.
SCRUBCORE_API int Privacy_ClearAll(void) __attribute__((alias("PrivacyInit"), nothrow));

SCRUBCORE_API int Scrubcore_SetScanCallBack(ScrubcoreScanCallBack callback) {
    theApp.scanCallback = callback;
    return 0;
}

SCRUBCORE_API int Scrubcore_SetProcessMessage(ScrubcoreProcessMessage callback) {
    return scrub::Guarded(0, [&] {
        if (callback) {
            callback();
        }
        theApp.processMessage = callback;
    });
}

SCRUBCORE_API int Scrubcore_NoofTimesOverwrite(int passes) {
    theApp.overwritePasses = passes;
    return 0;
}

SCRUBCORE_API int Scrubcore_SetCookieSitesToKeep(const wchar_t* sites) {
    return scrub::GuardedResult(0, [&] {
        theApp.cookieSitesToKeep = scrub::SitesFromList(sites ? sites : L"");
        return static_cast<int>(theApp.cookieSitesToKeep.size());
    });
}

SCRUBCORE_API int Scrubcore_CompactDatabases(int compact) {
    theApp.compactDatabases = compact != 0;
    return 0;
}

SCRUBCORE_API int Privacy_CheckDelete(unsigned char deleteMode) {
    theApp.deleteMode = deleteMode != 0;
    theApp.ForgetReportedTraces();
    return 1;
}

SCRUBCORE_API int Privacy_StopScan(unsigned char stop) {
    theApp.stopRequested = stop != 0;
    return 1;
}

SCRUBCORE_API int Privacy_Nooffiles(void) {
    return static_cast<int>(static_cast<unsigned>(theApp.registryValues) +
                            static_cast<unsigned>(theApp.countedFiles));
}

SCRUBCORE_API int Privacy_NoRegvalues(void) {
    return static_cast<int>(static_cast<unsigned>(theApp.registryValues));
}

SCRUBCORE_API int Privacy_GetFilesSize(char* text) {
    if (text) {
        // "%f": digits, a point and six decimals, cut to the documented maximum.
        std::snprintf(text, SCRUBCORE_FILES_SIZE_TEXT_MAX, "%f", theApp.totalKilobytes);
    }
    return 1;
}

SCRUBCORE_API int Privacy_ClearFilesSize(void) {
    theApp.totalKilobytes = 0;
    theApp.linkedRoots.Renew();
    theApp.lastCleanedSize = 0;
    theApp.ForgetReportedTraces();
    theApp.browsersAskedToClose.clear();
    theApp.profileFolders.clear();
    return 1;
}

SCRUBCORE_API int Scrubcore_KeepFile(const wchar_t* path) {
    return scrub::GuardedResult(0, [&] {
        if (!path) {
            scrub::ForgetKeptFiles();
            return 1;
        }
        return scrub::KeepFile(path) ? 1 : 0;
    });
}
