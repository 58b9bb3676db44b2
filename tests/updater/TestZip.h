// ZIP archives for the updater tests, written with minizip's writer the way
// an archiver on the vendor's side would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ZipEntrySpec {
    std::string name;                            // as stored: "/" separated, any bytes
    std::string content;                         // a file's bytes
    SYSTEMTIME time{2004, 5, 4, 6, 7, 8, 10, 0}; // local time; DOS keeps even seconds
    bool folder = false;                         // stored with the folder attribute
    bool utf8 = false;                           // the name is flagged as UTF-8
    bool stored = false;                         // kept uncompressed
};

void MakeZip(const std::wstring& path, const std::vector<ZipEntrySpec>& entries);
std::string ZipBytes(const std::vector<ZipEntrySpec>& entries);
// Damages the (stored) bytes of an entry so that its check sum fails.
void DamageStoredContent(const std::wstring& zipPath, const std::string& content);

// The file time a local time becomes, as the system converts it.
FILETIME LocalTimeAsFileTime(const SYSTEMTIME& local);
FILETIME LastWriteTime(const std::wstring& path);
