#include "catalogue/browsers/BrowserAlgorithms.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Roots.h"
#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "core/ScrubcoreApp.h"
#include "files/FilePrimitives.h"
#include "registry/RegistryText.h"

#include <vector>

namespace scrub {
namespace {

constexpr wchar_t kAol9Folder[] = L"C_America Online 9.0";

// Where AOL was last installed, e.g. "C:\Program Files\America Online 9.0\".
std::wstring LastRegisteredAppPath() {
    return ReadRegistryText(HKEY_LOCAL_MACHINE, L"SOFTWARE\\America Online\\America Online",
                            L"LastRegisteredAppPath");
}

// Every file directly in the folder (subfolders are not entered).
void HandleFilesIn(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    win32::UniqueFind find(FindFirstFileW((folder + L"\\*.*").c_str(), &entry));
    if (!find) {
        return;
    }
    do {
        if (theApp.stopRequested) {
            return;
        }
        if (IsDotEntry(entry.cFileName) || (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            continue;
        }
        theApp.Pump();
        HandleFile(win32::JoinPath(folder, entry.cFileName));
    } while (FindNextFileW(find.Get(), &entry));
}

// AOL 9.0 keeps its data per installation under the common application
// data, in folders named after the installation ("C_America Online 9.0",
// and more of the kind when it was installed again).
void Aol9Cache(const std::wstring& commonAppData) {
    const std::wstring aol = commonAppData + L"\\AOL";
    std::vector<std::wstring> installations;
    WIN32_FIND_DATAW entry;
    {
        win32::UniqueFind find(FindFirstFileW((commonAppData + L"\\Aol\\*").c_str(), &entry));
        if (!find) {
            return;
        }
        do {
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                win32::Contains(entry.cFileName, kAol9Folder)) {
                installations.emplace_back(entry.cFileName);
            }
        } while (FindNextFileW(find.Get(), &entry));
    }
    for (const std::wstring& installation : installations) {
        if (theApp.stopRequested) {
            return;
        }
        HandleFilesIn(aol + L"\\" + installation + L"\\AOLTEMP");
    }
    // The organizer's cache belongs to the first installation only; it is
    // looked at once, however many installations there are.
    if (!installations.empty() && !theApp.stopRequested) {
        HandleFilesIn(aol + L"\\" + kAol9Folder + L"\\organize\\CACHE");
    }
}

void Aol8Cache(const std::wstring& programFiles) {
    const std::wstring aol = programFiles + L"\\America Online 8.0";
    HandleFilesIn(aol + L"\\AOLTEMP");
    if (!theApp.stopRequested) {
        HandleFilesIn(aol + L"\\organize\\CACHE");
    }
}

} // namespace

void AolCacheFolders() {
    const std::wstring installedAt = LastRegisteredAppPath();
    if (win32::Contains(installedAt, L"9.0")) {
        const std::wstring commonAppData = CommonAppDataFolder();
        if (!commonAppData.empty()) {
            Aol9Cache(commonAppData);
        }
    } else if (win32::Contains(installedAt, L"8.0")) {
        const std::wstring programFiles = ProgramFilesFolder();
        if (!programFiles.empty()) {
            Aol8Cache(programFiles);
        }
    }
}

} // namespace scrub
