// The file-side primitives every cleaning item hands its folders and files
// to. None reports an error: a place that does not exist yields nothing.
#pragma once

#include "win32/PathText.h"

#include <windows.h>

#include <string>

namespace scrub {

// Which files of a folder walk are an item's traces, where the folder also
// holds what the application or the user keeps there: files matching `only`
// (every file when null), less files matching `keep`. Patterns as in
// MatchesNamePattern; one with a backslash is matched against the path below
// the walked folder, any other against the file's name.
// A test of its own for the files that name patterns cannot single out:
// a file goes through only when it holds. Asked on the walking thread.
class FileTest {
public:
    virtual bool Accepts(const std::wstring& path) const = 0;

protected:
    ~FileTest() = default;
};

struct FileFilter {
    const wchar_t* only = nullptr;
    const wchar_t* keep = nullptr;
    bool subfolders = true; // false: the folder's own files only
    const FileTest* test = nullptr;
};

// Reports (and in delete mode deletes) every file below the folder, depth
// first, that the filter lets through. Folders are never reported or
// removed; links inside the folder are never followed; "Quick Launch" paths
// are left alone.
void WalkFolder(const std::wstring& folder, const FileFilter& filter = {});

// Reports one file if it can be opened as the walk opens it, adds its size,
// counts it when it is not empty and in delete mode deletes it.
void HandleFile(const std::wstring& path);

// The open test that decides whether a file may be reported: not a mail
// store, opens for reading with write sharing only (no other program reads
// it or holds it without read sharing), and is the entry the walk met, not
// what a link leads to. Touches no run state: a walk runs it on any thread.
bool PassesOpenTest(const std::wstring& path);

// A file a walk met, with what the folder's listing said about it.
struct WalkedFile {
    std::wstring path;
    DWORD attributes = 0;
    unsigned long long size = 0;
};

// The open test of a file listed in a folder the walk knows to be itself.
// Where listings mark links (files/SameEntry.h) an entry listed as no
// reparse point is the file itself, and the open alone is left to tell
// whether it is in use; elsewhere, and for a reparse point, the whole test.
bool PassesListedFileTest(const WalkedFile& file);
// The rest of the single-file handler, for a file whose test passed, on the
// walking thread: reports it once per count, adds its size (from the
// enumeration when a walk met it), counts it when it is not empty and in
// delete mode deletes it.
void HandleTestedFile(const std::wstring& path, DWORD attributes, bool sizeKnown, unsigned long long size);

// Whether the file opens for reading with write sharing only.
bool CanOpenFile(const std::wstring& path);

// An Outlook mail store (.pst, .ost) holds the user's mail and folders: no
// item reports one, wherever it lies.
bool IsMailStore(const std::wstring& path);

// Overwrites the whole length of the file `passes` times, each pass on the
// disk before the next: zeros and ones in turn, random bytes last. Only a
// file the engine can open alone and that no other name shares is
// overwritten; false when nothing (or not everything) was.
bool OverwriteFile(const std::wstring& path, int passes);

// Zeroes an index.dat database after its 64-byte header, keeping its length.
void WipeIndexDat(const std::wstring& path);

// Fills the run state's fixed-drive list ("C:\" ...); always 1.
int ListFixedDrives();

// Removes every empty subfolder below the folder (never the folder itself,
// never a file, never a link).
void RemoveEmptySubfolders(const std::wstring& folder);

// Folders under a "Quick Launch" path belong to the user's shell setup.
inline bool IsProtectedPath(const std::wstring& path) {
    return path.find(L"Quick Launch") != std::wstring::npos;
}

inline bool IsDotEntry(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

// A link (junction, symbolic link, mount point) never leads a walk away.
inline bool IsLinkedFolder(DWORD attributes) {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// A folder that is there and no link (or a linked root the catalogue named,
// files/LinkedRoots.h): one a walk may look into.
bool IsPlainFolder(const std::wstring& path);

// Whether the folder holds a file (not a folder) of that name.
inline bool HoldsFile(const std::wstring& folder, const wchar_t* name) {
    const DWORD attributes = GetFileAttributesW(win32::JoinPath(folder, name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace scrub
