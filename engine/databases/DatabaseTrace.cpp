#include "databases/DatabaseTrace.h"

#include "core/ScrubcoreApp.h"
#include "databases/CookieRows.h"
#include "databases/PlacesHistory.h"
#include "files/FilePrimitives.h"
#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"

#include <windows.h>

#include <algorithm>
#include <unordered_set>

namespace scrub {
namespace {

struct Outcome {
    DatabaseState state = DatabaseState::Failed;
    long long entries = 0; // what the text counts: visits, or cookies
    bool anything = false; // whether the cleaning removes anything at all
    double freedBytes = 0;
};

using Opener = DatabaseState (Database::*)(const std::wstring&);

CookieStore StoreOf(DatabaseJob job) {
    return job == DatabaseJob::ChromiumCookies ? CookieStore::Chromium : CookieStore::Mozilla;
}

bool IsKnown(const Database& db, DatabaseJob job) {
    return job == DatabaseJob::FirefoxHistory ? IsKnownPlaces(db) : IsKnownCookieStore(db, StoreOf(job));
}

// What the file no longer holds: with compaction what it shrank by, else
// what its pages no longer hold.
void Settle(const Database& db, long long bytesBefore, long long usedBefore, double& freedBytes) {
    if (theApp.compactDatabases && db.Compact()) {
        freedBytes += static_cast<double>(std::max(0LL, bytesBefore - db.Bytes()));
    } else {
        freedBytes += static_cast<double>(std::max(0LL, usedBefore - (db.Bytes() - db.FreeBytes())));
    }
}

// The icons of the removed pages, in favicons.sqlite beside the history.
// Left as they are when that database cannot be changed: the history's
// clearing stands.
void ClearIcons(const std::wstring& places, Opener open, const std::unordered_set<std::string>& keptPages,
                double& freedBytes) {
    Database icons;
    if ((icons.*open)(win32::JoinPath(win32::CutAtLastBackslash(places), L"favicons.sqlite")) !=
        DatabaseState::Ready) {
        return;
    }
    const long long bytesBefore = icons.Bytes(), usedBefore = bytesBefore - icons.FreeBytes();
    const DatabaseState state = icons.InTransaction([&] {
        if (!icons.Intact()) {
            return DatabaseState::Damaged;
        }
        return IsKnownFavicons(icons) ? ClearIconsOfRemovedPages(icons, keptPages)
                                      : DatabaseState::UnknownVersion;
    });
    if (state == DatabaseState::Ready) {
        Settle(icons, bytesBefore, usedBefore, freedBytes);
    }
}

Outcome RunJob(const std::wstring& path, DatabaseJob job, Opener open) {
    Outcome outcome;
    Database db;
    outcome.state = (db.*open)(path);
    if (outcome.state != DatabaseState::Ready) {
        return outcome;
    }
    const long long bytesBefore = db.Bytes(), usedBefore = bytesBefore - db.FreeBytes();
    const std::vector<std::string>& keptSites = theApp.cookieSitesToKeep;
    std::unordered_set<std::string> keptPages;
    outcome.state = db.InTransaction([&] {
        if (!db.Intact()) {
            return DatabaseState::Damaged;
        }
        if (!IsKnown(db, job)) {
            return DatabaseState::UnknownVersion;
        }
        if (job == DatabaseJob::FirefoxHistory) {
            outcome.entries = HistoryEntries(db);
            outcome.anything = HoldsHistory(db);
        } else {
            outcome.entries = CookiesOfOtherSites(db, StoreOf(job), keptSites);
            outcome.anything = outcome.entries > 0;
        }
        if (outcome.entries < 0) {
            return db.LastFailure();
        }
        if (!outcome.anything) {
            return DatabaseState::Ready;
        }
        if (job != DatabaseJob::FirefoxHistory) {
            return RemoveCookiesOfOtherSites(db, StoreOf(job), keptSites);
        }
        const DatabaseState cleared = ClearHistory(db);
        if (cleared == DatabaseState::Ready) {
            keptPages = KeptPages(db);
        }
        return cleared;
    });
    if (outcome.state != DatabaseState::Ready || !outcome.anything) {
        return outcome;
    }
    Settle(db, bytesBefore, usedBefore, outcome.freedBytes);
    if (job == DatabaseJob::FirefoxHistory) {
        ClearIcons(path, open, keptPages, outcome.freedBytes);
    }
    return outcome;
}

std::wstring WithThousands(long long count) {
    std::wstring digits = std::to_wstring(count);
    for (size_t at = digits.size(); at > 3; at -= 3) {
        digits.insert(at - 3, L",");
    }
    return digits;
}

std::wstring DetailOf(DatabaseJob job, const Outcome& outcome) {
    const bool history = job == DatabaseJob::FirefoxHistory;
    switch (outcome.state) {
    case DatabaseState::Ready:
        return WithThousands(outcome.entries) +
               (history ? (outcome.entries == 1 ? L" history entry" : L" history entries")
                        : (outcome.entries == 1 ? L" cookie" : L" cookies"));
    case DatabaseState::Damaged:
        return std::wstring(history ? L"history" : L"cookies") + L", not cleaned: the database is damaged";
    case DatabaseState::UnknownVersion:
        return std::wstring(history ? L"history" : L"cookies") +
               L", not cleaned: a database version this program does not know";
    case DatabaseState::Locked:
        return std::wstring(history ? L"history" : L"cookies") +
               L", not cleaned: another program holds the database";
    default:
        return std::wstring(history ? L"history" : L"cookies") +
               L", not cleaned: the database cannot be read";
    }
}

// Whether the file starts as every SQLite database does: only a real
// database the engine must leave alone is named as not cleaned.
bool HasDatabaseHeader(const std::wstring& path) {
    static const char kHeader[16] = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f',
                                     'o', 'r', 'm', 'a', 't', ' ', '3', '\0'};
    win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    char header[sizeof kHeader] = {};
    DWORD read = 0;
    return file && ReadFile(file.Get(), header, sizeof header, &read, nullptr) && read == sizeof header &&
           std::equal(header, header + sizeof header, kHeader);
}

bool IsLeftUntouched(DatabaseState state) {
    return state == DatabaseState::Damaged || state == DatabaseState::UnknownVersion ||
           state == DatabaseState::Locked;
}

} // namespace

bool JobOfDatabase(const std::wstring& path, DatabaseJob& job) {
    const std::wstring name = win32::LastComponent(path);
    if (win32::EqualsNoCase(name, L"places.sqlite")) {
        job = DatabaseJob::FirefoxHistory;
    } else if (win32::EqualsNoCase(name, L"cookies.sqlite")) {
        job = DatabaseJob::MozillaCookies;
    } else if (win32::EqualsNoCase(name, L"Cookies")) {
        job = DatabaseJob::ChromiumCookies;
    } else {
        return false;
    }
    return true;
}

bool IsKeptWholeDatabaseFile(const std::wstring& path) {
    std::wstring name = win32::LastComponent(path);
    for (const wchar_t* companion : {L"-wal", L"-shm", L"-journal"}) {
        const size_t length = wcslen(companion);
        if (name.size() > length && win32::EqualsNoCase(name.substr(name.size() - length), companion)) {
            name.resize(name.size() - length);
            break;
        }
    }
    if (win32::EqualsNoCase(name, L"places.sqlite") || win32::EqualsNoCase(name, L"favicons.sqlite")) {
        return true;
    }
    // A kept site's cookies may still be in the log.
    return !theApp.cookieSitesToKeep.empty() &&
           (win32::EqualsNoCase(name, L"cookies.sqlite") || win32::EqualsNoCase(name, L"Cookies")) &&
           !win32::EqualsNoCase(name, win32::LastComponent(path));
}

std::wstring DatabaseTraceText(const std::wstring& path, const std::wstring& detail) {
    return path + L"|" + detail;
}

bool ParseDatabaseTraceText(const std::wstring& text, std::wstring& path) {
    const size_t mark = text.find(L'|');
    if (mark == std::wstring::npos || mark == 0 || mark + 1 >= text.size() || text[mark + 1] == L'[') {
        return false;
    }
    DatabaseJob job;
    path = text.substr(0, mark);
    return JobOfDatabase(path, job);
}

void HandleDatabase(const std::wstring& path, DatabaseJob job) {
    CScrubcoreApp& app = theApp;
    if (!PassesOpenTest(path)) {
        return;
    }
    const Outcome outcome = RunJob(path, job, app.deleteMode ? &Database::OpenInPlace : &Database::OpenCopy);
    // A damaged database, one of a version this program does not know or
    // one another program holds is left alone; the scan names it as not
    // cleaned (its clean changes nothing and says so), measured as nothing.
    const bool untouched = IsLeftUntouched(outcome.state) && HasDatabaseHeader(path);
    if (!untouched && (outcome.state != DatabaseState::Ready || !outcome.anything)) {
        return;
    }
    // One report per database, whatever its count says.
    if (!app.FirstMeetingOfTrace(DatabaseTraceText(path, L""))) {
        return;
    }
    if (untouched) {
        app.Report(DatabaseTraceText(path, DetailOf(job, outcome)));
        return;
    }
    app.AddBytes(outcome.freedBytes);
    app.Report(DatabaseTraceText(path, DetailOf(job, outcome)));
    ++app.countedFiles;
}

DatabaseState CleanDatabase(const std::wstring& path, DatabaseJob job, double& freedBytes) {
    const Outcome outcome = RunJob(path, job, &Database::OpenInPlace);
    freedBytes += outcome.freedBytes;
    return outcome.state;
}

} // namespace scrub
