#include "files/FilePrimitives.h"

#include "win32/Handles.h"
#include "core/NamePattern.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "core/ScrubcoreApp.h"
#include "files/SameEntry.h"
#include "files/TestsAhead.h"

#include <vector>

namespace scrub {
namespace {

win32::UniqueFind FindFirst(const std::wstring& folder, WIN32_FIND_DATAW& found) {
    const std::wstring pattern = folder + L"\\*";
    return win32::UniqueFind(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                              nullptr, FIND_FIRST_EX_LARGE_FETCH));
}

bool PassedOverInIndexDatPass(const wchar_t* name) {
    return theApp.indexDatPass && wcscmp(name, L"desktop.ini") == 0;
}

bool LetThrough(const FileFilter& filter, const std::wstring& folder, const std::wstring& path) {
    const std::wstring below = path.substr(folder.size() + 1);
    return (!filter.only || MatchesFilePattern(below, filter.only)) &&
           (!filter.keep || !MatchesFilePattern(below, filter.keep)) &&
           (!filter.test || filter.test->Accepts(path));
}

// One open folder of a depth-first walk. An explicit stack instead of
// recursion keeps a very deep tree from exhausting the thread's stack.
struct OpenFolder {
    std::wstring path;
    win32::UniqueFind find;
    WIN32_FIND_DATAW entry; // the entry to look at next
};

// The files of a walk in the order the walk handles them: depth first, a
// subfolder completely before the next entry of its parent. Reads the
// folders and nothing else: it changes no file and calls no callback.
class WalkOrder {
public:
    WalkOrder(const std::wstring& folder, const FileFilter& filter) : folder_(folder), filter_(filter) {
        stack_.emplace_back();
        stack_.back().path = folder;
        stack_.back().find = FindFirst(folder, stack_.back().entry);
        if (!stack_.back().find) {
            stack_.clear();
        }
    }

    bool Done() const { return stack_.empty(); }

    // The next file; false at the end, or once the host has asked to stop.
    // `indexDat` tells an index.dat database that is not a link.
    bool Next(WalkedFile& file, bool& indexDat) {
        while (!stack_.empty()) {
            if (theApp.stopRequested) {
                return false;
            }
            OpenFolder& top = stack_.back();
            const WIN32_FIND_DATAW entry = top.entry;
            const bool more = FindNextFileW(top.find.Get(), &top.entry) != FALSE;
            const std::wstring parent = top.path; // top may move when a child is pushed
            if (!more) {
                stack_.pop_back();
            }
            if (IsDotEntry(entry.cFileName) || PassedOverInIndexDatPass(entry.cFileName)) {
                continue;
            }
            std::wstring child = win32::JoinPath(parent, entry.cFileName);
            if (IsProtectedPath(child)) {
                continue;
            }
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                if (IsLinkedFolder(entry.dwFileAttributes) || !filter_.subfolders) {
                    continue;
                }
                OpenFolder sub;
                sub.find = FindFirst(child, sub.entry);
                if (sub.find) {
                    sub.path = std::move(child);
                    stack_.push_back(std::move(sub));
                }
                continue;
            }
            if ((filter_.only || filter_.keep || filter_.test) && !LetThrough(filter_, folder_, child)) {
                continue;
            }
            file.path = std::move(child);
            file.attributes = entry.dwFileAttributes;
            file.size = (static_cast<unsigned long long>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
            indexDat = win32::EqualsNoCase(entry.cFileName, L"index.dat") &&
                       !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
            return true;
        }
        return false;
    }

private:
    const std::wstring& folder_;
    const FileFilter& filter_;
    std::vector<OpenFolder> stack_;
};

// Each file tested, and in delete mode wiped and deleted, as it is handled:
// a cleaning run does one thing at a time, in the walk's order.
void WalkOneFileAtATime(WalkOrder& order) {
    CScrubcoreApp& app = theApp;
    WalkedFile file;
    bool indexDat = false;
    while (order.Next(file, indexDat)) {
        // A report-only scan must leave the index databases as they are.
        if (app.deleteMode && indexDat) {
            WipeIndexDat(file.path);
        }
        app.Pump();
        if (PassesOpenTest(file.path)) {
            HandleTestedFile(file.path, file.attributes, true, file.size);
        }
    }
}

// A report-only scan: the next files' open tests run ahead on the pool's
// threads while this thread pumps, reports and counts, file by file in the
// walk's order, as the walk above does. A stop request ends the walk before
// the next file; the tests not begun are dropped.
void WalkWithTestsAhead(WalkOrder& order, TestsAhead& tests) {
    CScrubcoreApp& app = theApp;
    WalkedFile file;
    bool indexDat = false;
    for (;;) {
        while (!tests.Full() && order.Next(file, indexDat)) {
            tests.Add(std::move(file));
        }
        if (tests.Empty() || app.stopRequested) {
            return;
        }
        app.Pump();
        // A host that turned delete mode on meanwhile gets nothing deleted
        // on the strength of a test made ahead.
        if (tests.TakeFirst(file) && (!app.deleteMode || PassesOpenTest(file.path))) {
            HandleTestedFile(file.path, file.attributes, true, file.size);
        }
    }
}

} // namespace

void WalkFolder(const std::wstring& folder, const FileFilter& filter) {
    WalkOrder order(folder, filter);
    if (theApp.deleteMode) {
        WalkOneFileAtATime(order);
        return;
    }
    // Where listings show every link, the folder's own path is checked once
    // and its files by what the listing says; elsewhere each file's test
    // looks at its final path.
    if (theApp.listingsShowFileLinks && !order.Done() && !IsFolderItself(folder)) {
        return;
    }
    TestsAhead tests(theApp.walkPool, &PassesListedFileTest);
    WalkWithTestsAhead(order, tests);
}

namespace {

// Subfolders that the removal may enter, in listing order.
std::vector<std::wstring> RemovableSubfolders(const std::wstring& folder) {
    std::vector<std::wstring> subfolders;
    WIN32_FIND_DATAW entry;
    win32::UniqueFind find = FindFirst(folder, entry);
    if (!find) {
        return subfolders;
    }
    do {
        if (IsDotEntry(entry.cFileName) || PassedOverInIndexDatPass(entry.cFileName)) {
            continue;
        }
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || IsLinkedFolder(entry.dwFileAttributes)) {
            continue;
        }
        std::wstring child = win32::JoinPath(folder, entry.cFileName);
        if (!IsProtectedPath(child)) {
            subfolders.push_back(std::move(child));
        }
    } while (FindNextFileW(find.Get(), &entry));
    return subfolders;
}

// Succeeds only for an empty folder. A read-only bit is cleared for the
// removal alone and put back when the folder stays.
void RemoveFolderIfEmpty(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) {
        RemoveDirectoryW(path.c_str());
        return;
    }
    SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (!RemoveDirectoryW(path.c_str())) {
        SetFileAttributesW(path.c_str(), attributes);
    }
}

} // namespace

void RemoveEmptySubfolders(const std::wstring& folder) {
    struct Pending {
        std::wstring path;
        bool childrenDone;
    };
    // Post-order without recursion: a folder is tried after its subfolders.
    std::vector<Pending> work;
    auto pushChildren = [&work](const std::wstring& parent) {
        std::vector<std::wstring> subfolders = RemovableSubfolders(parent);
        for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it) {
            work.push_back({std::move(*it), false});
        }
    };
    pushChildren(folder);
    while (!work.empty()) {
        Pending current = std::move(work.back());
        work.pop_back();
        if (current.childrenDone) {
            RemoveFolderIfEmpty(current.path);
            continue;
        }
        work.push_back({current.path, true});
        pushChildren(current.path);
    }
}

} // namespace scrub
