#include "LogArchive.h"

#include "ShellSeams.h"
#include "ZipWriter.h"

#include "win32/Handles.h"

#include <windows.h>

namespace nimbrel {

namespace {

bool IsDotEntry(const wchar_t* name) {
    return wcscmp(name, L".") == 0 || wcscmp(name, L"..") == 0;
}

} // namespace

LogArchiveResult ArchiveLogs(const std::wstring& programFolder, LocalClock clock) {
    LogArchiveResult result;
    result.archivePath = programFolder + L"\\" + ArchiveFileName(clock());
    CZipWriter zip;
    bool writable = zip.Create(result.archivePath);

    const std::wstring logFolder = programFolder + L"\\LOGS\\";
    WIN32_FIND_DATAW entry{};
    win32::UniqueFind find(FindFirstFileW((logFolder + L"*.log").c_str(), &entry));
    if (find) {
        do {
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || IsDotEntry(entry.cFileName)) {
                continue;
            }
            // A log that cannot be opened (held exclusively by another
            // program) is left out; the others still reach support.
            switch (zip.AddFile(logFolder + entry.cFileName, entry.cFileName)) {
            case CZipWriter::AddResult::Added:
                ++result.filesAdded;
                break;
            case CZipWriter::AddResult::SourceUnreadable:
                break;
            case CZipWriter::AddResult::ArchiveFailed:
                writable = false;
                break;
            }
        } while (FindNextFileW(find.Get(), &entry));
    }
    if (!zip.Close()) {
        writable = false;
    }

    if (!writable) {
        // Showing the folder would suggest an archive that is not there, and
        // a half-written archive is of no use to support.
        DeleteFileW(result.archivePath.c_str());
        result.archivePath.clear();
        result.failed = true;
        ShowMessage(nullptr, L"The logs could not be compressed.", MB_OK | MB_ICONEXCLAMATION);
    } else if (result.filesAdded > 0) {
        ShowFolderInExplorer(programFolder);
    } else {
        ShowMessage(nullptr, L"There are no logs, to compress the logs", MB_OK);
    }
    return result;
}

} // namespace nimbrel
