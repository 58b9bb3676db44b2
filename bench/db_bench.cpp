// What cleaning a browser database costs in the engine against the same
// statements in the sqlite3 shell (built for Windows from the same sources,
// so both run under Wine alike).
//
//   db_bench [rounds=3]
//
// Two databases, made once and kept in C:\nimbrel-bench\db:
//   places.sqlite: Firefox's schema, 60,000 pages with 100,000 visits,
//       20,000 of the pages bookmarked;
//   Cookies: Chromium's schema, 20,000 cookies of 1,000 sites, 50 of the
//       sites kept.
// Round by round, each on fresh copies flushed to the disk, the two sides
// taking turns at going first:
//   (e) the engine cleans one copy as a user's clean does (open, checks,
//       one transaction, VACUUM);
//   (s) the shell runs, on another copy, the statements the engine ran,
//       recorded from its connection on a third copy; the engine's own
//       kept-site function is spelled out there as LIKE conditions. The
//       shell's own time (".timer") is summed, without its process start.
// Prints the medians side by side with their ratio (target e <= 1.2 x s)
// and the sizes before and after.
#include "BrowserSchemas.h"
#include "core/ScrubcoreApp.h"
#include "databases/CookieRows.h"
#include "databases/Database.h"
#include "databases/DatabaseTrace.h"
#include "databases/PlacesHistory.h"
#include "win32/Handles.h"
#include "win32/Text.h"

#include <sqlite3.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::wstring kFolder = L"C:\\nimbrel-bench\\db";
constexpr int kKeptSites = 50;

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

long long FileBytes(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return -1;
    }
    return static_cast<long long>((static_cast<unsigned long long>(data.nFileSizeHigh) << 32) |
                                  data.nFileSizeLow);
}

bool Run(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::printf("making the database failed: %s\n", error ? error : "?");
        sqlite3_free(error);
        return false;
    }
    return true;
}

// Firefox's places as today's versions make it, with its indexes.
const std::string kPlaces = "PRAGMA page_size = 32768;" + std::string(kFirefoxPlacesTables) + R"(
CREATE INDEX moz_places_url_hashindex ON moz_places (url_hash);
CREATE INDEX moz_places_hostindex ON moz_places (rev_host);
CREATE INDEX moz_places_visitcount ON moz_places (visit_count);
CREATE INDEX moz_places_frecencyindex ON moz_places (frecency);
CREATE INDEX moz_places_lastvisitdateindex ON moz_places (last_visit_date);
CREATE UNIQUE INDEX moz_places_guid_uniqueindex ON moz_places (guid);
CREATE INDEX moz_places_originidindex ON moz_places (origin_id);
CREATE INDEX moz_historyvisits_placedateindex ON moz_historyvisits (place_id, visit_date);
CREATE INDEX moz_historyvisits_fromindex ON moz_historyvisits (from_visit);
CREATE INDEX moz_historyvisits_dateindex ON moz_historyvisits (visit_date);
CREATE INDEX moz_bookmarks_itemindex ON moz_bookmarks (fk, type);
CREATE INDEX moz_bookmarks_parentindex ON moz_bookmarks (parent, position);
CREATE UNIQUE INDEX moz_bookmarks_guid_uniqueindex ON moz_bookmarks (guid);
CREATE UNIQUE INDEX moz_annos_placeattributeindex ON moz_annos (place_id, anno_attribute_id);
BEGIN;
WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 1000)
INSERT INTO moz_origins SELECT x, 'https://', 'site' || x || '.example', 100, 0, NULL, 0 FROM n;
WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 60000)
INSERT INTO moz_places (id, url, title, rev_host, visit_count, frecency, last_visit_date, guid, foreign_count, url_hash, origin_id)
SELECT x, 'https://site' || (x % 1000 + 1) || '.example/page/' || x || '?session=' || hex(randomblob(8)),
       'A page the user read, number ' || x, 'elpmaxe.' || (x % 1000 + 1) || 'etis.', 2, 500,
       1700000000000000 + x, printf('%012d', x), x <= 20000, x, x % 1000 + 1 FROM n;
WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 100000)
INSERT INTO moz_historyvisits (from_visit, place_id, visit_date, visit_type, session)
SELECT x - 1, (x * 7919) % 60000 + 1, 1700000000000000 + x, 1, 0 FROM n;
INSERT INTO moz_bookmarks (id, type, parent, position, title, guid) VALUES
 (1, 2, 0, 0, '', 'root________'), (2, 2, 1, 0, 'menu', 'menu________'), (3, 2, 1, 1, 'toolbar', 'toolbar_____');
WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 20000)
INSERT INTO moz_bookmarks (id, type, fk, parent, position, title, guid, dateAdded, lastModified)
SELECT x + 3, 1, x, 2 + x % 2, x / 2, 'Bookmark ' || x, printf('b%011d', x), x, x FROM n;
WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 2000)
INSERT INTO moz_inputhistory SELECT x * 29, 'typed ' || x, 1 FROM n;
INSERT INTO moz_anno_attributes VALUES (1, 'downloads/destinationFileURI');
WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 3000)
INSERT INTO moz_annos (place_id, anno_attribute_id, content) SELECT x * 17, 1, 'file:///C:/Downloads/file' || x FROM n;
COMMIT;
)";

const std::string kCookies = std::string(kChromiumCookiesTables) + R"(
BEGIN;
WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 20000)
INSERT INTO cookies SELECT 13300000000000000 + x,
  CASE x % 3 WHEN 0 THEN '.site' || (x % 1000) || '.example' WHEN 1 THEN 'www.site' || (x % 1000) || '.example'
             ELSE 'site' || (x % 1000) || '.example' END,
  '', 'c' || x, '', randomblob(80), '/', 13400000000000000, 1, 1, 13300000000000000 + x, 1, 1, 1, 0, 2, 443,
  13300000000000000 + x, 0, 0 FROM n;
COMMIT;
)";

bool Make(const std::wstring& path, const char* sql) {
    if (FileBytes(path) > 0) {
        return true; // kept from an earlier run
    }
    std::printf("making %ls\n", path.c_str());
    sqlite3* db = nullptr;
    const bool made = sqlite3_open(win32::Utf8FromUtf16(path).c_str(), &db) == SQLITE_OK && Run(db, sql);
    sqlite3_close(db);
    if (!made) {
        DeleteFileW(path.c_str());
    }
    return made;
}

std::vector<std::string> KeptSites() {
    std::vector<std::string> sites;
    for (int i = 0; i < kKeptSites; ++i) {
        sites.push_back("site" + std::to_string(i * 20) + ".example");
    }
    return sites;
}

// The engine's kept-site test as plain SQL for the shell.
std::string KeptSitesCondition(const std::string& column) {
    std::string condition;
    for (const std::string& site : KeptSites()) {
        condition += (condition.empty() ? "" : " OR ") + column + " LIKE '" + site + "' OR " + column +
                     " LIKE '%." + site + "'";
    }
    return "(NOT (" + condition + "))";
}

int Recorded(unsigned, void* into, void* statement, void*) {
    char* sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement));
    if (sql && std::string(sql).compare(0, 2, "--") != 0) {
        static_cast<std::vector<std::string>*>(into)->push_back(sql);
    }
    sqlite3_free(sql);
    return 0;
}

// The statements the engine runs on one database, as a shell script: the
// cleaning's own sequence (DatabaseTrace's), recorded on a copy.
std::string ScriptOf(const std::wstring& copy, scrub::DatabaseJob job) {
    using namespace scrub;
    Database db;
    if (db.OpenInPlace(copy) != DatabaseState::Ready) {
        return {};
    }
    std::vector<std::string> statements;
    sqlite3_trace_v2(db.Get(), SQLITE_TRACE_STMT, &Recorded, &statements);
    const std::vector<std::string>& kept = theApp.cookieSitesToKeep;
    db.InTransaction([&] {
        if (!db.Intact()) {
            return DatabaseState::Damaged;
        }
        if (job == DatabaseJob::FirefoxHistory) {
            return IsKnownPlaces(db) && HistoryEntries(db) >= 0 && HoldsHistory(db) ? ClearHistory(db)
                                                                                    : DatabaseState::Failed;
        }
        return IsKnownCookieStore(db, CookieStore::Chromium) &&
                       CookiesOfOtherSites(db, CookieStore::Chromium, kept) >= 0
                   ? RemoveCookiesOfOtherSites(db, CookieStore::Chromium, kept)
                   : DatabaseState::Failed;
    });
    sqlite3_trace_v2(db.Get(), 0, nullptr, nullptr);
    std::string script = ".timer on\nPRAGMA secure_delete = ON;\n";
    for (std::string sql : statements) {
        const std::string function = "nimbrel_other_site(host_key)";
        for (size_t at; (at = sql.find(function)) != std::string::npos;) {
            sql.replace(at, function.size(), KeptSitesCondition("host_key"));
        }
        script += sql + ";\n";
    }
    return script + "VACUUM;\n";
}

bool CopyFresh(const std::wstring& from, const std::wstring& to) {
    for (const wchar_t* companion : {L"-wal", L"-shm", L"-journal"}) {
        DeleteFileW((to + companion).c_str());
    }
    return CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE;
}

// Runs the shell on the database with the script; the seconds its ".timer"
// lines add up to, or a negative number.
double ShellSeconds(const std::wstring& database, const std::wstring& scriptFile) {
    const std::wstring output = kFolder + L"\\shell-output.txt";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE in =
        CreateFileW(scriptFile.c_str(), GENERIC_READ, FILE_SHARE_READ, &inherit, OPEN_EXISTING, 0, nullptr);
    HANDLE out =
        CreateFileW(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = out;
    PROCESS_INFORMATION process{};
    std::wstring line = L"sqlite3.exe -bail \"" + database + L"\"";
    const bool started =
        CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(in);
    CloseHandle(out);
    if (!started) {
        std::printf("cannot start sqlite3.exe beside the benchmark\n");
        return -1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::ifstream text(win32::Utf8FromUtf16(output));
    double seconds = 0;
    for (std::string row; std::getline(text, row);) {
        const size_t at = row.find("Run Time: real ");
        if (at != std::string::npos) {
            seconds += std::atof(row.c_str() + at + 15);
        } else if (row.find("Error") != std::string::npos || row.find("Parse error") != std::string::npos) {
            std::printf("shell: %s\n", row.c_str());
            code = 1;
        }
    }
    return code == 0 ? seconds : -1;
}

struct Figures {
    double engine = 0, shell = 0;
    long long before = 0, engineAfter = 0, shellAfter = 0;
};

bool Measure(const wchar_t* name, scrub::DatabaseJob job, int rounds, Figures& figures) {
    const std::wstring original = kFolder + L"\\" + name;
    const std::wstring engineCopy = kFolder + L"\\engine\\" + name;
    const std::wstring shellCopy = kFolder + L"\\shell\\" + name;
    const std::wstring scriptFile = kFolder + L"\\" + name + L".sql";
    if (!CopyFresh(original, shellCopy)) {
        return false;
    }
    const std::string script = ScriptOf(shellCopy, job);
    if (script.empty()) {
        std::printf("the engine did not open %ls\n", shellCopy.c_str());
        return false;
    }
    std::ofstream(win32::Utf8FromUtf16(scriptFile), std::ios::binary) << script;
    std::vector<double> engine, shell;
    figures.before = FileBytes(original);
    for (int round = 0; round < rounds; ++round) {
        if (!CopyFresh(original, engineCopy) || !CopyFresh(original, shellCopy)) {
            return false;
        }
        // Neither side pays for the disk still writing the other's copy, and
        // each goes first every other round.
        for (const std::wstring& copy : {engineCopy, shellCopy}) {
            win32::UniqueFile file(CreateFileW(copy.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                               OPEN_EXISTING, 0, nullptr));
            FlushFileBuffers(file.Get());
        }
        for (int side = 0; side < 2; ++side) {
            if ((side == 0) == (round % 2 == 0)) {
                double freed = 0;
                const auto start = Clock::now();
                const scrub::DatabaseState state = scrub::CleanDatabase(engineCopy, job, freed);
                engine.push_back(std::chrono::duration<double>(Clock::now() - start).count());
                if (state != scrub::DatabaseState::Ready) {
                    std::printf("the engine did not clean %ls\n", engineCopy.c_str());
                    return false;
                }
            } else {
                const double seconds = ShellSeconds(shellCopy, scriptFile);
                if (seconds < 0) {
                    return false;
                }
                shell.push_back(seconds);
            }
        }
    }
    figures.engine = Median(engine);
    figures.shell = Median(shell);
    figures.engineAfter = FileBytes(engineCopy);
    figures.shellAfter = FileBytes(shellCopy);
    return true;
}

void Print(const char* what, const Figures& figures) {
    std::printf("%-44s engine %8.3f s   sqlite3 %8.3f s   ratio %.2f (target <= 1.20)\n", what,
                figures.engine, figures.shell, figures.shell > 0 ? figures.engine / figures.shell : 0.0);
    std::printf("%-44s size %lld KB before, %lld KB after (engine), %lld KB after (sqlite3)\n", "",
                figures.before / 1024, figures.engineAfter / 1024, figures.shellAfter / 1024);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int rounds = std::max(1, argc > 1 ? _wtoi(argv[1]) : 3);
    CreateDirectoryW(L"C:\\nimbrel-bench", nullptr);
    for (const std::wstring& folder : {kFolder, kFolder + L"\\engine", kFolder + L"\\shell"}) {
        CreateDirectoryW(folder.c_str(), nullptr);
    }
    if (!Make(kFolder + L"\\places.sqlite", kPlaces.c_str()) ||
        !Make(kFolder + L"\\Cookies", kCookies.c_str())) {
        return 1;
    }
    scrub::theApp.compactDatabases = true;
    std::printf("%d rounds, medians; the shell's time is its own (.timer), without its start\n", rounds);

    Figures history;
    scrub::theApp.cookieSitesToKeep.clear();
    if (!Measure(L"places.sqlite", scrub::DatabaseJob::FirefoxHistory, rounds, history)) {
        return 1;
    }
    Print("history: 100,000 visits, 20,000 bookmarks", history);

    Figures cookies;
    scrub::theApp.cookieSitesToKeep = KeptSites();
    if (!Measure(L"Cookies", scrub::DatabaseJob::ChromiumCookies, rounds, cookies)) {
        return 1;
    }
    Print("cookies: 20,000 cookies, 50 kept sites", cookies);
    return 0;
}
