// Owners for SQLite's connection and statement handles. Only the binaries
// that link SQLite include this header.
#pragma once

#include "win32/Handles.h"

#include <sqlite3.h>

namespace win32 {

struct DatabaseTraits {
    using Handle = sqlite3*;
    static sqlite3* Invalid() { return nullptr; }
    static void Close(sqlite3* h) { sqlite3_close_v2(h); }
};

struct StatementTraits {
    using Handle = sqlite3_stmt*;
    static sqlite3_stmt* Invalid() { return nullptr; }
    static void Close(sqlite3_stmt* h) { sqlite3_finalize(h); }
};

using UniqueDatabase = UniqueHandle<DatabaseTraits>;
using UniqueStatement = UniqueHandle<StatementTraits>;

} // namespace win32
