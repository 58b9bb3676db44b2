#include "files/FilePrimitives.h"

#include "core/Handles.h"
#include "core/NamePattern.h"
#include "core/PathText.h"
#include "core/ScrubcoreApp.h"

#include <vector>

namespace scrub {
namespace {

UniqueFind FindFirst(const std::wstring& folder, WIN32_FIND_DATAW& found) {
    const std::wstring pattern = folder + L"\\*";
    return UniqueFind(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                       nullptr, FIND_FIRST_EX_LARGE_FETCH));
}

bool PassedOverInIndexDatPass(const wchar_t* name) {
    return theApp.indexDatPass && wcscmp(name, L"desktop.ini") == 0;
}

bool LetThrough(const FileFilter& filter, const std::wstring& folder, const std::wstring& path) {
    const std::wstring below = path.substr(folder.size() + 1);
    return (!filter.only || MatchesFilePattern(below, filter.only)) &&
           (!filter.keep || !MatchesFilePattern(below, filter.keep));
}

// One open folder of a depth-first walk. An explicit stack instead of
// recursion keeps a very deep tree from exhausting the thread's stack.
struct OpenFolder {
    std::wstring path;
    UniqueFind find;
    WIN32_FIND_DATAW entry; // the entry to look at next
};

} // namespace

void WalkFolder(const std::wstring& folder, const FileFilter& filter) {
    CScrubcoreApp& app = theApp;
    std::vector<OpenFolder> stack;
    stack.emplace_back();
    stack.back().path = folder;
    stack.back().find = FindFirst(folder, stack.back().entry);
    if (!stack.back().find) {
        return;
    }
    while (!stack.empty()) {
        if (app.stopRequested) {
            return;
        }
        OpenFolder& top = stack.back();
        const WIN32_FIND_DATAW entry = top.entry;
        const bool more = FindNextFileW(top.find.Get(), &top.entry) != FALSE;
        const std::wstring parent = top.path; // top may move when a child is pushed
        if (!more) {
            stack.pop_back();
        }
        if (IsDotEntry(entry.cFileName) || PassedOverInIndexDatPass(entry.cFileName)) {
            continue;
        }
        std::wstring child = JoinPath(parent, entry.cFileName);
        if (IsProtectedPath(child)) {
            continue;
        }
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (IsLinkedFolder(entry.dwFileAttributes)) {
                continue;
            }
            OpenFolder sub;
            sub.find = FindFirst(child, sub.entry);
            if (sub.find) {
                sub.path = std::move(child);
                stack.push_back(std::move(sub));
            }
            continue;
        }
        if ((filter.only || filter.keep) && !LetThrough(filter, folder, child)) {
            continue;
        }
        // A report-only scan must leave the index databases as they are.
        if (app.deleteMode && EqualsNoCase(entry.cFileName, L"index.dat") &&
            !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            WipeIndexDat(child);
        }
        app.Pump();
        HandleFoundFile(child, entry);
    }
}

namespace {

// Subfolders that the removal may enter, in listing order.
std::vector<std::wstring> RemovableSubfolders(const std::wstring& folder) {
    std::vector<std::wstring> subfolders;
    WIN32_FIND_DATAW entry;
    UniqueFind find = FindFirst(folder, entry);
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
        std::wstring child = JoinPath(folder, entry.cFileName);
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
