// A Firefox user's places.sqlite with bookmarks, a tag, a keyword and
// history, and a Chromium cookie store, made with the browsers' schemas.
#include "EngineRecorder.h"
#include "databases/Database.h"
#include "databases/DatabaseTrace.h"
#include "core/ScrubcoreApp.h"
#include "scrubcore/Scrubcore.h"
#include "win32/DatabaseHandles.h"
#include "win32/Handles.h"
#include "win32/Text.h"

#include "BrowserSchemas.h"

#include <gtest/gtest.h>

namespace {

const std::string kPlacesSchema = std::string(kFirefoxPlacesTables) + R"(
CREATE INDEX moz_places_url_hashindex ON moz_places (url_hash);
CREATE UNIQUE INDEX moz_places_guid_uniqueindex ON moz_places (guid);
CREATE INDEX moz_historyvisits_placedateindex ON moz_historyvisits (place_id, visit_date);
CREATE INDEX moz_bookmarks_itemindex ON moz_bookmarks (fk, type);
INSERT INTO moz_origins VALUES (1,'https://','bank.example',100,0,NULL,0),(2,'https://','secret-clinic.example',50,0,NULL,0);
INSERT INTO moz_places (id,url,title,visit_count,typed,frecency,last_visit_date,guid,foreign_count,url_hash,origin_id) VALUES
 (1,'https://bank.example/','Bank',12,1,2000,1700000000000000,'aaaaaaaaaaa1',1,11,1),
 (2,'https://secret-clinic.example/appointment','Clinic',3,1,500,1700000001000000,'aaaaaaaaaaa2',0,12,2),
 (3,'https://bank.example/search?q=%s','Search',0,0,100,NULL,'aaaaaaaaaaa3',1,13,1),
 (4,'place:tag=work','',0,0,0,NULL,'aaaaaaaaaaa4',0,14,NULL);
INSERT INTO moz_historyvisits (place_id,visit_date,visit_type) VALUES (1,1,1),(1,2,1),(2,3,1),(2,4,2);
INSERT INTO moz_inputhistory VALUES (2,'secret',3);
INSERT INTO moz_bookmarks (id,type,fk,parent,position,title,guid) VALUES (1,2,NULL,0,0,'','root________'),(2,1,1,1,0,'My bank','bbbbbbbbbbb1'),(3,2,NULL,1,1,'work','bbbbbbbbbbb2'),(4,1,1,3,0,NULL,'bbbbbbbbbbb3');
INSERT INTO moz_keywords (keyword,place_id) VALUES ('b',3);
INSERT INTO moz_anno_attributes VALUES (1,'downloads/destinationFileURI');
INSERT INTO moz_annos (place_id,anno_attribute_id,content) VALUES (2,1,'file:///C:/secret-clinic-letter.pdf');
INSERT INTO moz_places_metadata (place_id,total_view_time) VALUES (2,9000);
)";

const std::string kChromiumCookiesSchema = std::string(kChromiumCookiesTables) + R"(
INSERT INTO cookies VALUES (1,'.mail.example.org','','SID','x',X'763130aa','/',0,1,1,1,1,1,1,0,2,443,1,0,0),
 (2,'badexample.org','','T','tracker-id-4711',X'','/',0,1,1,1,1,1,1,0,2,443,1,0,0),
 (3,'ads.tracker.example','','T','tracker-id-4712',X'','/',0,1,1,1,1,1,1,0,2,443,1,0,0);
)";

class BrowserDatabasesTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        dir_ = std::wstring(folder) + L"nimbrel-db-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(dir_.c_str(), nullptr);
        scrub::theApp.cookieSitesToKeep.clear();
        scrub::theApp.compactDatabases = true;
    }
    void TearDown() override {
        for (const wchar_t* name :
             {L"places.sqlite", L"places.sqlite-wal", L"places.sqlite-shm", L"Cookies", L"Cookies-journal"}) {
            DeleteFileW((dir_ + L"\\" + name).c_str());
        }
        RemoveDirectoryW(dir_.c_str());
        scrub::theApp.cookieSitesToKeep.clear();
    }
    std::wstring Make(const wchar_t* name, const char* schema, bool wal = false) {
        const std::wstring path = dir_ + L"\\" + name;
        sqlite3* db = nullptr;
        sqlite3_open(win32::Utf8FromUtf16(path).c_str(), &db);
        win32::UniqueDatabase owner(db);
        if (wal) {
            sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
        }
        EXPECT_EQ(SQLITE_OK, sqlite3_exec(db, schema, nullptr, nullptr, nullptr)) << sqlite3_errmsg(db);
        return path;
    }
    static std::string Rows(const std::wstring& path, const char* sql) {
        std::string rows;
        sqlite3* db = nullptr;
        sqlite3_open_v2(win32::Utf8FromUtf16(path).c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        win32::UniqueDatabase owner(db);
        sqlite3_exec(
            db, sql,
            [](void* out, int n, char** values, char**) {
                for (int i = 0; i < n; ++i) {
                    *static_cast<std::string*>(out) += (values[i] ? values[i] : "NULL") + std::string("|");
                }
                *static_cast<std::string*>(out) += "\n";
                return 0;
            },
            &rows, nullptr);
        return rows;
    }
    static std::string Bytes(const std::wstring& path) {
        win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                           nullptr, OPEN_EXISTING, 0, nullptr));
        std::string bytes(file ? GetFileSize(file.Get(), nullptr) : 0, '\0');
        DWORD read = 0;
        if (!bytes.empty()) {
            ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
        }
        return bytes;
    }
    static void Write(const std::wstring& path, const std::string& bytes) {
        win32::UniqueFile file(
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        DWORD written = 0;
        WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
    std::wstring dir_;
};

TEST_F(BrowserDatabasesTest, HistoryGoesBookmarksTagsAndKeywordsStayRowForRow) {
    for (bool wal : {false, true}) {
        SCOPED_TRACE(wal ? "write-ahead log" : "rollback journal");
        const std::wstring places = Make(L"places.sqlite", kPlacesSchema.c_str(), wal);
        const char* kept =
            "SELECT * FROM moz_bookmarks; SELECT * FROM moz_keywords; SELECT * FROM moz_items_annos;"
            "SELECT id, url, title, guid, foreign_count FROM moz_places WHERE id IN (1, 3)";
        const std::string keptBefore = Rows(places, kept);
        const std::string before = Bytes(places) + Bytes(places + L"-wal");

        // A report-only scan counts the visits and changes no byte.
        scrub::theApp.deleteMode = false;
        scrub::theApp.ForgetReportedTraces();
        EngineRecorder recorder;
        scrub::HandleDatabase(places, scrub::DatabaseJob::FirefoxHistory);
        ASSERT_EQ(1u, recorder.found.size());
        EXPECT_EQ(places + L"|4 history entries", recorder.found[0]);
        EXPECT_EQ(before, Bytes(places) + Bytes(places + L"-wal"));

        ASSERT_EQ(1, Privacy_CleanSelitems(recorder.found[0].c_str()));
        EXPECT_EQ(keptBefore, Rows(places, kept));
        EXPECT_EQ("0|", Rows(places, "SELECT count(*) FROM moz_historyvisits").substr(0, 2));
        EXPECT_EQ("0|0|\n",
                  Rows(places, "SELECT count(*), (SELECT count(*) FROM moz_inputhistory) FROM moz_annos"));
        EXPECT_EQ("1|0|NULL|0|-1|\n3|0|NULL|0|-1|\n",
                  Rows(places, "SELECT id, visit_count, last_visit_date, typed, frecency FROM moz_places"));
        EXPECT_EQ("bank.example|\n", Rows(places, "SELECT host FROM moz_origins"));
        EXPECT_EQ("ok|\n", Rows(places, "PRAGMA integrity_check"));
        EXPECT_EQ("0|\n", Rows(places, "PRAGMA freelist_count")) << "rebuilt without free pages";
        // Compacted: the removed page is in no free page of the file.
        const std::string after = Bytes(places) + Bytes(places + L"-wal");
        EXPECT_EQ(std::string::npos, after.find("secret-clinic"));
        EXPECT_NE(std::string::npos, after.find("My bank"));
        TearDown();
        SetUp();
    }
}

TEST_F(BrowserDatabasesTest, DamagedFutureAndLockedDatabasesStayAsTheyWere) {
    struct Case {
        const char* what;
        std::string extra;
        const wchar_t* named; // how a scan names it, or null where the copy reads as it was
    };
    for (const Case& c : {Case{"future schema", "PRAGMA user_version = 999;",
                               L"|history, not cleaned: a database version this program does not know"},
                          Case{"locked", "", nullptr},
                          Case{"damaged", "", L"|history, not cleaned: the database is damaged"}}) {
        SCOPED_TRACE(c.what);
        const std::wstring places = Make(L"places.sqlite", (kPlacesSchema + c.extra).c_str());
        win32::UniqueDatabase holder;
        if (std::string(c.what) == "locked") {
            sqlite3_open(win32::Utf8FromUtf16(places).c_str(), holder.Put());
            sqlite3_exec(holder.Get(), "BEGIN EXCLUSIVE; DELETE FROM moz_meta;", nullptr, nullptr, nullptr);
        }
        if (std::string(c.what) == "damaged") {
            std::string bytes = Bytes(places);
            for (size_t i = 4096 + 200; i < bytes.size() && i < 4096 * 3; ++i) {
                bytes[i] = '\x5a';
            }
            Write(places, bytes);
        }
        const std::string before = Bytes(places);
        if (c.named) {
            scrub::theApp.deleteMode = false;
            scrub::theApp.ForgetReportedTraces();
            EngineRecorder recorder;
            scrub::HandleDatabase(places, scrub::DatabaseJob::FirefoxHistory);
            EXPECT_EQ(std::vector<std::wstring>{places + c.named}, recorder.found) << "named as not cleaned";
            EXPECT_EQ(0, Privacy_CleanSelitems((places + c.named).c_str())) << "and its clean says it stays";
        }
        EXPECT_EQ(0, Privacy_CleanSelitems((places + L"|4 history entries").c_str()));
        // A plain path to the file never deletes it either.
        EXPECT_EQ(0, Privacy_CleanSelitems(places.c_str()));
        EXPECT_EQ(before, Bytes(places));
        holder.Reset();
        TearDown();
        SetUp();
    }
}

TEST_F(BrowserDatabasesTest, KeptSitesCookiesStayTheOthersGo) {
    for (int compact : {1, 0}) {
        SCOPED_TRACE(compact ? "compacted" : "not compacted");
        Scrubcore_CompactDatabases(compact);
        const std::wstring cookies = Make(L"Cookies", kChromiumCookiesSchema.c_str());
        EXPECT_EQ(1, Scrubcore_SetCookieSitesToKeep(L" Example.ORG ;example.org"));
        const std::string keptBefore = Rows(cookies, "SELECT * FROM cookies WHERE creation_utc = 1");
        const size_t sizeBefore = Bytes(cookies).size();
        EXPECT_EQ(1, Privacy_CleanSelitems(cookies.c_str()));
        EXPECT_EQ(keptBefore, Rows(cookies, "SELECT * FROM cookies"));
        // Either way the removed rows are not left readable in the file.
        EXPECT_EQ(std::string::npos, Bytes(cookies).find("tracker-id"));
        if (!compact) {
            EXPECT_EQ(sizeBefore, Bytes(cookies).size()) << "the file keeps its size";
        }
        Scrubcore_SetCookieSitesToKeep(nullptr);
        TearDown();
        SetUp();
    }
    Scrubcore_CompactDatabases(1);
}

} // namespace
