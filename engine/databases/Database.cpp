#include "databases/Database.h"

#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"

#include <windows.h>

#include <cstring>

namespace scrub {
namespace {

constexpr long long kLargestDatabase = 1LL << 31;

bool ReadWhole(const std::wstring& path, std::string& bytes) {
    win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    LARGE_INTEGER size;
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > kLargestDatabase) {
        return false;
    }
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 24));
        if (!ReadFile(file.Get(), bytes.data() + done, want, &read, nullptr) || read == 0) {
            return false;
        }
        done += read;
    }
    return true;
}

bool WriteWhole(const std::wstring& path, const std::string& bytes) {
    win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_TEMPORARY, nullptr));
    size_t done = 0;
    while (file && done < bytes.size()) {
        DWORD written = 0;
        const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 24));
        if (!WriteFile(file.Get(), bytes.data() + done, want, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return static_cast<bool>(file);
}

long long FileBytes(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return -1;
    }
    return static_cast<long long>((static_cast<unsigned long long>(data.nFileSizeHigh) << 32) |
                                  data.nFileSizeLow);
}

DatabaseState StateOf(int code) {
    switch (code & 0xff) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
        return DatabaseState::Ready;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DatabaseState::Locked;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return DatabaseState::Damaged;
    case SQLITE_CANTOPEN:
        return DatabaseState::Missing;
    default:
        return DatabaseState::Failed;
    }
}

// Removes the temporary copy a report-only scan reads a logged database
// through, whatever leaves the scope.
struct TemporaryCopy {
    std::wstring path;
    ~TemporaryCopy() {
        if (!path.empty()) {
            for (const wchar_t* companion : {L"", L"-wal", L"-journal", L"-shm"}) {
                DeleteFileW((path + companion).c_str());
            }
        }
    }
};

} // namespace

bool Database::Adopt(sqlite3* db) {
    db_.Reset(db);
    if (!db) {
        return false;
    }
    int unused = 0;
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, &unused);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, &unused);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, &unused);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, &unused);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, &unused);
    sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0);
    // A database another program holds is not waited for: it stays.
    sqlite3_busy_timeout(db, 0);
    return true;
}

DatabaseState Database::OpenInPlace(const std::wstring& path) {
    if (FileBytes(path) < 0) {
        return DatabaseState::Missing;
    }
    sqlite3* db = nullptr;
    const int opened =
        sqlite3_open_v2(win32::Utf8FromUtf16(path).c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    Adopt(db);
    if (opened != SQLITE_OK) {
        return LastFailure();
    }
    // The first read of the schema tells a locked or foreign file apart.
    const std::string mode = Text("PRAGMA journal_mode");
    if (mode.empty()) {
        return LastFailure();
    }
    wal_ = mode == "wal";
    if (wal_ && !CheckpointLog()) {
        return DatabaseState::Locked;
    }
    // Removed rows are overwritten with zeros where they lay.
    Exec("PRAGMA secure_delete = ON");
    return DatabaseState::Ready;
}

DatabaseState Database::OpenCopy(const std::wstring& path) {
    std::string bytes;
    if (FileBytes(path) < 0) {
        return DatabaseState::Missing;
    }
    if (!ReadWhole(path, bytes)) {
        return DatabaseState::Locked;
    }
    sqlite3* memory = nullptr;
    if (sqlite3_open_v2(":memory:", &memory, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        Adopt(memory);
        return DatabaseState::Failed;
    }
    Adopt(memory);
    const bool logged = FileBytes(path + L"-wal") > 0 || FileBytes(path + L"-journal") > 0;
    if (logged) {
        // What the log holds is part of the database: SQLite reads both
        // from copies in the temporary folder, then the result is copied
        // into memory.
        wchar_t folder[MAX_PATH + 1] = {}, name[MAX_PATH + 1] = {};
        TemporaryCopy copy;
        if (!GetTempPathW(MAX_PATH, folder) || !GetTempFileNameW(folder, L"ndb", 0, name)) {
            return DatabaseState::Failed;
        }
        copy.path = name;
        if (!WriteWhole(copy.path, bytes)) {
            return DatabaseState::Failed;
        }
        for (const wchar_t* companion : {L"-wal", L"-journal"}) {
            std::string log;
            if (FileBytes(path + companion) > 0 &&
                (!ReadWhole(path + companion, log) || !WriteWhole(copy.path + companion, log))) {
                return DatabaseState::Locked;
            }
        }
        bytes.clear();
        sqlite3* source = nullptr;
        const int opened =
            sqlite3_open_v2(win32::Utf8FromUtf16(copy.path).c_str(), &source, SQLITE_OPEN_READWRITE, nullptr);
        win32::UniqueDatabase sourceOwner(source);
        if (opened != SQLITE_OK) {
            return DatabaseState::Damaged;
        }
        sqlite3_backup* backup = sqlite3_backup_init(memory, "main", source, "main");
        if (!backup) {
            return StateOf(sqlite3_errcode(memory));
        }
        sqlite3_backup_step(backup, -1);
        const int copied = sqlite3_backup_finish(backup);
        return copied == SQLITE_OK ? DatabaseState::Ready : StateOf(copied);
    }
    // A write-ahead database's header says so; the copy in memory keeps no
    // log, so it reads as a plain one.
    if (bytes.size() >= 100 && bytes[18] == 2 && bytes[19] == 2) {
        bytes[18] = bytes[19] = 1;
    }
    const sqlite3_int64 size = static_cast<sqlite3_int64>(bytes.size());
    unsigned char* buffer =
        static_cast<unsigned char*>(sqlite3_malloc64(static_cast<sqlite3_uint64>(size ? size : 1)));
    if (!buffer) {
        return DatabaseState::Failed;
    }
    std::memcpy(buffer, bytes.data(), bytes.size());
    const int loaded = sqlite3_deserialize(memory, "main", buffer, size, size,
                                           SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE);
    return loaded == SQLITE_OK ? DatabaseState::Ready : StateOf(loaded);
}

DatabaseState Database::LastFailure() const {
    const DatabaseState state = db_ ? StateOf(sqlite3_extended_errcode(db_.Get())) : DatabaseState::Failed;
    return state == DatabaseState::Ready ? DatabaseState::Failed : state;
}

bool Database::Exec(const char* sql) const {
    return db_ && sqlite3_exec(db_.Get(), sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

long long Database::Integer(const char* sql, long long fallback) const {
    win32::UniqueStatement statement;
    if (!db_ || sqlite3_prepare_v2(db_.Get(), sql, -1, statement.Put(), nullptr) != SQLITE_OK ||
        sqlite3_step(statement.Get()) != SQLITE_ROW ||
        sqlite3_column_type(statement.Get(), 0) == SQLITE_NULL) {
        return fallback;
    }
    return sqlite3_column_int64(statement.Get(), 0);
}

std::string Database::Text(const char* sql) const {
    std::string first;
    bool seen = false;
    EachText(sql, [&](const std::string& text) {
        if (!seen) {
            first = text;
            seen = true;
        }
    });
    return first;
}

bool Database::EachText(const char* sql, const std::function<void(const std::string&)>& row) const {
    win32::UniqueStatement statement;
    if (!db_ || sqlite3_prepare_v2(db_.Get(), sql, -1, statement.Put(), nullptr) != SQLITE_OK) {
        return false;
    }
    int step;
    while ((step = sqlite3_step(statement.Get())) == SQLITE_ROW) {
        const unsigned char* text = sqlite3_column_text(statement.Get(), 0);
        row(text ? reinterpret_cast<const char*>(text) : "");
    }
    return step == SQLITE_DONE;
}

bool Database::HasTable(const char* table) const {
    win32::UniqueStatement statement;
    if (!db_ ||
        sqlite3_prepare_v2(db_.Get(), "SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ?1", -1,
                           statement.Put(), nullptr) != SQLITE_OK) {
        return false;
    }
    sqlite3_bind_text(statement.Get(), 1, table, -1, SQLITE_STATIC);
    return sqlite3_step(statement.Get()) == SQLITE_ROW;
}

bool Database::HasColumn(const char* table, const char* column) const {
    return db_ && sqlite3_table_column_metadata(db_.Get(), "main", table, column, nullptr, nullptr, nullptr,
                                                nullptr, nullptr) == SQLITE_OK;
}

bool Database::Intact() const {
    return Text("PRAGMA integrity_check") == "ok";
}

long long Database::Bytes() const {
    return Integer("PRAGMA page_count", 0) * Integer("PRAGMA page_size", 0);
}

long long Database::FreeBytes() const {
    return Integer("PRAGMA freelist_count", 0) * Integer("PRAGMA page_size", 0);
}

DatabaseState Database::InTransaction(const std::function<DatabaseState()>& change) const {
    if (!Exec("BEGIN IMMEDIATE")) {
        return LastFailure();
    }
    DatabaseState state = change();
    if (state == DatabaseState::Ready && !Exec("COMMIT")) {
        state = LastFailure();
    }
    if (state != DatabaseState::Ready) {
        Exec("ROLLBACK");
    }
    return state;
}

bool Database::CheckpointLog() const {
    // The busy column is 0 only when every frame reached the file.
    win32::UniqueStatement statement;
    return db_ &&
           sqlite3_prepare_v2(db_.Get(), "PRAGMA wal_checkpoint(TRUNCATE)", -1, statement.Put(), nullptr) ==
               SQLITE_OK &&
           sqlite3_step(statement.Get()) == SQLITE_ROW && sqlite3_column_int(statement.Get(), 0) == 0;
}

bool Database::Compact() const {
    // VACUUM rebuilds the file through a database of its own that it
    // attaches for the time it runs; nothing else may attach one.
    if (!db_) {
        return false;
    }
    sqlite3_limit(db_.Get(), SQLITE_LIMIT_ATTACHED, 1);
    const bool compacted = Exec("VACUUM");
    sqlite3_limit(db_.Get(), SQLITE_LIMIT_ATTACHED, 0);
    return compacted && (!wal_ || CheckpointLog());
}

} // namespace scrub
