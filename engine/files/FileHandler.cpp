#include "files/FilePrimitives.h"

#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "core/ScrubcoreApp.h"
#include "files/KeptFiles.h"
#include "files/SameEntry.h"

namespace scrub {
namespace {

// The open test: reading with write sharing only fails while another program
// reads the file or holds it without read sharing, and such a file is left
// alone. The same open shows whether the file is the entry the walk met: a
// link is opened as itself, and a file reached through a link is no trace.
bool OpensAsFound(const std::wstring& path, bool finalPathTells) {
    win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    return file.Valid() && (!finalPathTells || IsEntryAt(file.Get(), path));
}

bool Watched(const std::wstring& path, bool passed) {
    if (const auto hook = theApp.afterOpenTest) {
        hook(path, passed);
    }
    return passed;
}

// Deletes the file, clearing a read-only bit only for the deletion itself:
// a file that stays keeps its attributes.
bool DeleteTrace(const std::wstring& path, DWORD attributes) {
    if (DeleteFileW(path.c_str())) {
        return true;
    }
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) {
        return false;
    }
    if (!SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY)) {
        return false;
    }
    if (DeleteFileW(path.c_str())) {
        return true;
    }
    SetFileAttributesW(path.c_str(), attributes);
    return false;
}

} // namespace

bool PassesOpenTest(const std::wstring& path) {
    return Watched(path, !IsMailStore(path) && OpensAsFound(path, true));
}

bool PassesListedFileTest(const WalkedFile& file) {
    const bool listingTells =
        theApp.listingsShowFileLinks && !(file.attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    return Watched(file.path, !IsMailStore(file.path) && OpensAsFound(file.path, !listingTells));
}

void HandleTestedFile(const std::wstring& path, DWORD attributes, bool sizeKnown, unsigned long long size) {
    CScrubcoreApp& app = theApp;
    if (IsKeptFile(path) || !app.FirstMeetingOfTrace(path)) {
        return;
    }
    if (sizeKnown) {
        app.AddBytes(static_cast<double>(size));
    }
    app.Report(path);
    // An empty file is reported but neither counted nor deleted.
    if (!sizeKnown || size == 0) {
        return;
    }
    ++app.countedFiles;
    if (!app.deleteMode) {
        return;
    }
    if (!DeleteTrace(path, attributes)) {
        app.ShowMessage(L"Cannot delete " + path + L": Its being used by another person or program",
                        MB_OK | MB_ICONERROR);
        --app.countedFiles;
    }
}

void HandleFile(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        // Gone or unreadable: the open test would fail as well.
        if (PassesOpenTest(path)) {
            HandleTestedFile(path, INVALID_FILE_ATTRIBUTES, false, 0);
        }
        return;
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        return; // folders are never reported
    }
    const unsigned long long size =
        (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    if (PassesOpenTest(path)) {
        HandleTestedFile(path, data.dwFileAttributes, true, size);
    }
}

bool IsPlainFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           (!IsLinkedFolder(attributes) || theApp.linkedRoots.RootLength(path) == path.size());
}

bool CanOpenFile(const std::wstring& path) {
    win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Valid();
}

bool IsMailStore(const std::wstring& path) {
    if (path.size() < 4) {
        return false;
    }
    const std::wstring extension = path.substr(path.size() - 4);
    return win32::EqualsNoCase(extension, L".pst") || win32::EqualsNoCase(extension, L".ost");
}

} // namespace scrub
