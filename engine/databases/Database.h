// A browser's SQLite database as the engine opens it. Nothing in the file
// decides what runs: no extension is loaded, nothing is attached, the
// file's own triggers and views never run, and functions its schema names
// run only when SQLite deems them harmless. A report-only scan works on a
// copy in memory, so the user's file (and its -wal) is only ever read.
#pragma once

#include "win32/DatabaseHandles.h"

#include <functional>
#include <string>

namespace scrub {

// Why a database is (or would be) left as it is.
enum class DatabaseState { Ready, Missing, Locked, Damaged, UnknownVersion, Failed };

class Database {
public:
    // The file itself, for changing its rows. A database in write-ahead
    // mode has its log checkpointed into the file first.
    DatabaseState OpenInPlace(const std::wstring& path);
    // A copy in memory of the file as it reads now, with what its -wal or
    // hot journal holds.
    DatabaseState OpenCopy(const std::wstring& path);

    sqlite3* Get() const { return db_.Get(); }
    // Why the last statement failed (never Ready).
    DatabaseState LastFailure() const;

    bool Exec(const char* sql) const;
    // The first column of the first row, or `fallback`.
    long long Integer(const char* sql, long long fallback = -1) const;
    std::string Text(const char* sql) const;
    bool HasTable(const char* table) const;
    bool HasColumn(const char* table, const char* column) const;
    // Every row of the statement, its first column as text; false when it failed.
    bool EachText(const char* sql, const std::function<void(const std::string&)>& row) const;

    // PRAGMA integrity_check says "ok".
    bool Intact() const;
    // The file's pages: all of them, and those that hold nothing.
    long long Bytes() const;
    long long FreeBytes() const;

    // Runs `change` in one transaction (taken for writing at once); it is
    // committed only when `change` returns Ready, else rolled back.
    DatabaseState InTransaction(const std::function<DatabaseState()>& change) const;
    // Rebuilds the file without its free pages, so removed rows are not
    // left readable in them, and empties the write-ahead log.
    bool Compact() const;

private:
    bool Adopt(sqlite3* db);
    bool CheckpointLog() const;
    win32::UniqueDatabase db_;
    bool wal_ = false;
};

} // namespace scrub
