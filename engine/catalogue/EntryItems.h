// Items that look below every entry of one folder: the account folders of
// messengers and mail clients (Skype accounts, mail identities, profiles).
//
//   SCRUB_ENTRY_ITEM(Privacy_EMLTBSavePasswords, ThunderbirdProfiles, FileBelow(L"\\signons.txt"))
//
// hands "<profile>\signons.txt" of every Thunderbird profile to the
// single-file handler. The entry list is a small named function beside the
// item's table.
#pragma once

#include "scrubcore/Scrubcore.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace scrub {

// Full paths of the entries of one application's account folder.
using EntryList = std::vector<std::wstring> (*)();

// folder + "\" + name for every entry directly in the folder, files and
// folders alike, in listing order, without "." and ".." and without linked
// folders. An empty folder text lists nothing. A place below an entry that
// is a file simply does not exist, so files need no sorting out here.
std::vector<std::wstring> EntriesOf(const std::wstring& folder);

struct PlaceBelow {
    bool walk;             // true: folder walk; false: single-file handler
    const wchar_t* suffix; // appended to the entry's path
};
inline PlaceBelow FileBelow(const wchar_t* suffix) {
    return {false, suffix};
}
inline PlaceBelow FolderBelow(const wchar_t* suffix) {
    return {true, suffix};
}

// The stop test at entry, then for each entry every place in order; a stop
// request also ends the item between places. Nothing thrown escapes.
int RunInEachEntry(EntryList entries, std::initializer_list<PlaceBelow> places) noexcept;

} // namespace scrub

#define SCRUB_ENTRY_ITEM(exportName, entryList, ...)                                                         \
    SCRUBCORE_API int exportName(unsigned char) {                                                            \
        return ::scrub::RunInEachEntry(&entryList, {__VA_ARGS__});                                           \
    }
