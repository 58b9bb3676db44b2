// Cleaning one chosen found item. The text alone says what the trace is: a
// registry value (its root name and "||" come first), a section of a
// settings file (a path, "|[" and the section's name), a file path, or an
// entry of the Recycle Bin. The host learns whether the trace is gone (1) or
// still there (0), and the kilobytes removed through the size total.
#include "catalogue/browsers/BrowserAlgorithms.h"
#include "clean/CleanablePath.h"
#include "clean/SystemFolders.h"
#include "core/ExportGuard.h"
#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "core/ScrubcoreApp.h"
#include "databases/DatabaseTrace.h"
#include "files/FilePrimitives.h"
#include "files/IniSection.h"
#include "files/KeptFiles.h"
#include "files/RecycleBin.h"
#include "files/SameEntry.h"
#include "registry/RegistryPrimitives.h"
#include "scrubcore/WindowsItems.h"

#include <shellapi.h>

namespace scrub {
namespace {

enum class TraceKind { RegistryValue, IniSection, DatabaseRows, File, RecycleBinEntry, Unknown };

TraceKind KindOf(const std::wstring& text) {
    // A value may be named after a path ("...\MUICache=C:\app.exe"); its root
    // name in front decides, so a registry text never reaches file deletion.
    if (IsRegistryText(text)) {
        return TraceKind::RegistryValue;
    }
    std::wstring path, section;
    if (ParseIniSectionText(text, path, section) && HasFilePathForm(path)) {
        return TraceKind::IniSection;
    }
    if (ParseDatabaseTraceText(text, path) && HasFilePathForm(path)) {
        return TraceKind::DatabaseRows;
    }
    if (HasFilePathForm(text)) {
        return TraceKind::File; // on a drive, or on a share (redirected folders)
    }
    if (win32::Contains(text, L"||")) {
        return TraceKind::RegistryValue; // under a root outside the table: nothing is done
    }
    // A bin entry is a bare name (and cleaned only when the bin holds it).
    // Any other path is relative: it would name whatever the current folder
    // holds, so it is no trace of ours.
    return text.empty() || win32::Contains(text, L"\\") ? TraceKind::Unknown : TraceKind::RecycleBinEntry;
}

// --- Files ---

// What became of a chosen trace, as the host hears it.
enum class Outcome { Stays = 0, Gone = 1, AtRestart = 2 };

// A file in use cannot go now; Windows removes it at the next restart.
Outcome DeleteOrScheduleFile(const std::wstring& path, DWORD attributes) {
    // The scan leaves read-only bits alone; a file the user chose to remove
    // loses its bit only now, right before its deletion.
    const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    if (readOnly) {
        SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    if (DeleteFileW(path.c_str())) {
        return Outcome::Gone;
    }
    const DWORD error = GetLastError();
    if ((error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION) &&
        MoveFileExW(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) {
        return Outcome::AtRestart;
    }
    if (readOnly) {
        SetFileAttributesW(path.c_str(), attributes); // it stays: as it was
    }
    return Outcome::Stays;
}

// The rows go and the file stays. The file must be one a scan could have
// reported: not through a link, and not while its browser runs.
bool CleanDatabaseRows(const std::wstring& path) {
    DatabaseJob job;
    if (!JobOfDatabase(path, job)) {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return true; // the database is gone, and its rows with it
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) || !IsEntryItself(path) || !BrowserClosedFor(path)) {
        return false;
    }
    double freed = 0;
    const DatabaseState state = CleanDatabase(path, job, freed);
    theApp.AddBytes(freed);
    return state == DatabaseState::Ready || state == DatabaseState::Missing;
}

// Gone when nothing of the file is left where it was; a file in use goes at
// the next restart and stays readable until then.
Outcome CleanFile(const std::wstring& text) {
    const std::wstring path = CleanablePath(text);
    if (path.empty() || IsKeptFile(path)) {
        return Outcome::Stays; // no trace of ours: whatever it names stays
    }
    // Firefox's history database holds the bookmarks too, and a cookie store
    // holds the kept sites' cookies: their rows are cleaned, the file never
    // goes; nor does what SQLite keeps beside them.
    DatabaseJob job;
    if (JobOfDatabase(path, job) &&
        (job == DatabaseJob::FirefoxHistory || !theApp.cookieSitesToKeep.empty())) {
        return CleanDatabaseRows(path) ? Outcome::Gone : Outcome::Stays;
    }
    if (IsKeptWholeDatabaseFile(path)) {
        return Outcome::Stays;
    }
    CScrubcoreApp& app = theApp;
    WIN32_FILE_ATTRIBUTE_DATA data;
    Outcome outcome = Outcome::Gone;
    if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            return Outcome::Stays; // found items are files; a folder at that path is not ours
        }
        // Wine shows a link to a file as a plain file and deletes what it
        // points to: only the entry itself is cleaned.
        if (!IsEntryItself(path)) {
            return Outcome::Stays;
        }
        // A running browser's databases are left whole rather than set to
        // go at the next restart: it writes them until it closes.
        if (!BrowserClosedFor(path)) {
            return Outcome::Stays;
        }
        const double size = static_cast<double>((static_cast<unsigned long long>(data.nFileSizeHigh) << 32) |
                                                data.nFileSizeLow);
        app.lastCleanedSize = size;
        if (app.overwritePasses > 0) {
            // As chosen under "When erasing": the bytes go before the name.
            // A read-only file is writable for the passes; a file in use
            // keeps its bytes and goes at the next restart.
            if (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
                SetFileAttributesW(path.c_str(), data.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
            }
            OverwriteFile(path, app.overwritePasses);
        }
        // Only a deletion frees space now: a file set to go at the next
        // restart is still there, and one that stays removed nothing.
        outcome = DeleteOrScheduleFile(path, data.dwFileAttributes);
        if (outcome == Outcome::Gone) {
            app.AddBytes(size);
        }
    }
    // A file already gone adds nothing; the folder it left may still go.
    const std::wstring folder = win32::CutAtLastBackslash(path);
    RemoveFolderIfLeftEmpty(folder);
    // Installers leave trees of empty folders in the temporary folder
    // (XP's under Local Settings, Vista's on under AppData\Local).
    if (win32::Contains(folder, L"Local Settings\\Temp") ||
        win32::Contains(folder, L"AppData\\Local\\Temp")) {
        RemoveEmptySubfolders(folder);
    }
    return outcome;
}

// The section goes and the rest of the file stays. The file must be one a
// scan could have reported: not through a link, and not under a program
// that writes it back when it closes.
bool CleanIniSection(const std::wstring& text) {
    std::wstring named, section;
    ParseIniSectionText(text, named, section);
    const std::wstring path = CleanablePath(named);
    if (path.empty()) {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return true; // the file is gone, and the section with it
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) || !IsEntryItself(path) || !BrowserClosedFor(path)) {
        return false;
    }
    double removed = 0;
    const bool gone = RemoveIniSection(path, section, removed);
    theApp.AddBytes(removed);
    return gone;
}

// --- Registry values ---

// Cleaning the paging-file offer switches the setting on: Windows then
// clears its page file at every shutdown.
bool SetClearPageFileAtShutdown(HKEY root, const std::wstring& subkey) {
    win32::UniqueKey key;
    if (RegOpenKeyExW(root, subkey.c_str(), 0, KEY_SET_VALUE, key.Put()) != ERROR_SUCCESS) {
        return false;
    }
    const DWORD on = 1;
    if (RegSetValueExW(key.Get(), L"ClearPageFileAtShutdown", 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&on), sizeof on) != ERROR_SUCCESS) {
        return false; // the user is told only what really happened
    }
    theApp.ShowMessage(L"Swap file will be deleted when you reboot the system", MB_OK | MB_ICONERROR);
    return true;
}

// A value (or its key) that is not there is gone; one the user may not
// delete stays.
bool ValueGone(LSTATUS status) {
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool CleanRegistryValue(const std::wstring& text) {
    RegistryTextParts parts;
    if (!ParseRegistryText(text, parts)) {
        return false;
    }
    const HKEY root = RootFromName(parts.rootName);
    if (!root) {
        return false;
    }
    if (win32::EqualsNoCase(parts.valueName, L"ClearPageFileAtShutdown")) {
        return SetClearPageFileAtShutdown(root, parts.subkey);
    }
    if (root == HKEY_CURRENT_USER && IsInCurrentUserStore(parts.subkey)) {
        // The store is locked again after the scan: open it as the scan did.
        // Its keys belong to the system's store and stay, emptied or not.
        bool gone = false;
        WithCurrentUserStoreOpen(false, [&] {
            win32::UniqueKey key;
            const LSTATUS opened = RegOpenKeyExW(root, parts.subkey.c_str(), 0, KEY_SET_VALUE, key.Put());
            gone = opened == ERROR_SUCCESS ? ValueGone(RegDeleteValueW(key.Get(), parts.valueName.c_str()))
                                           : opened == ERROR_FILE_NOT_FOUND;
        });
        return gone;
    }
    win32::UniqueKey key;
    const LSTATUS opened =
        RegOpenKeyExW(root, parts.subkey.c_str(), 0, KEY_QUERY_VALUE | KEY_SET_VALUE, key.Put());
    if (opened != ERROR_SUCCESS) {
        return opened == ERROR_FILE_NOT_FOUND;
    }
    if (!ValueGone(RegDeleteValueW(key.Get(), parts.valueName.c_str()))) {
        return false;
    }
    // The key goes with its last value. Its value count decides: a name the
    // ANSI code page cannot hold, or a very long one, is still a value.
    DWORD valueCount = 0;
    if (RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &valueCount,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
        valueCount > 0) {
        return true;
    }
    key.Reset();
    // Never a root itself; the registry refuses a key that still has subkeys.
    if (!parts.subkey.empty()) {
        RegDeleteKeyW(root, parts.subkey.c_str());
    }
    return true;
}

// --- The Recycle Bin ---

// A chosen entry the bin holds empties every bin; a second entry then finds
// nothing left and adds nothing. What counts as removed is what the bins
// held before less what they still hold after: an entry the shell could not
// remove is no cleaned kilobyte.
// True when the bin no longer holds the entry.
bool EmptyRecycleBins(const std::wstring& chosenEntry) {
    CScrubcoreApp& app = theApp;
    // Any other text ("C:", "CON", a path with forward slashes) is no entry.
    if (!RecycleBinHolds(chosenEntry)) {
        return true;
    }
    if (app.stopRequested) {
        return false;
    }
    ListFixedDrives();
    auto measureBins = [&app] {
        const double before = app.totalKilobytes;
        Privacy_WNDFlushRecycleBin(1); // measures every entry, reports none
        const double held = app.totalKilobytes - before;
        app.totalKilobytes = before;
        return held;
    };
    const double held = measureBins();
    SHEmptyRecycleBinW(nullptr, L"", SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
    const double left = measureBins();
    if (held > left) {
        app.totalKilobytes += held - left;
    }
    return !RecycleBinHolds(chosenEntry);
}

} // namespace
} // namespace scrub

SCRUBCORE_API int Privacy_CleanSelitems(const wchar_t* foundItemText) {
    return scrub::GuardedResult(0, [&] {
        if (!foundItemText) {
            return 0;
        }
        const std::wstring text(foundItemText);
        bool gone = false;
        switch (scrub::KindOf(text)) {
        case scrub::TraceKind::RegistryValue:
            gone = scrub::CleanRegistryValue(text);
            break;
        case scrub::TraceKind::IniSection:
            gone = scrub::CleanIniSection(text);
            break;
        case scrub::TraceKind::DatabaseRows: {
            std::wstring named;
            scrub::ParseDatabaseTraceText(text, named);
            const std::wstring path = scrub::CleanablePath(named);
            gone = !path.empty() && scrub::CleanDatabaseRows(path);
            break;
        }
        case scrub::TraceKind::File:
            return static_cast<int>(scrub::CleanFile(text));
        case scrub::TraceKind::RecycleBinEntry:
            gone = scrub::EmptyRecycleBins(text);
            break;
        case scrub::TraceKind::Unknown:
            break;
        }
        return gone ? 1 : 0;
    });
}
