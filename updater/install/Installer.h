// Installing what an update check downloaded: every file of the list is put
// in place in the program folder or unpacked over it.
#pragma once

#include <string>

namespace updrift {

inline constexpr wchar_t kProgramFileName[] = L"Nimbrel.exe";
inline constexpr wchar_t kTextListUnreadable[] = L"Error in open file";
inline constexpr wchar_t kTextArchiveFailed[] = L"Zip Open Failed";
inline constexpr wchar_t kCaptionArchiveFailed[] = L"Install";
inline constexpr wchar_t kTextCannotRestart[] =
    L"Unable to run the program after update. Please restart NimbrelControl.";

struct InstallPlaces {
    std::wstring tempFolder;    // holds the list and the downloads
    std::wstring programFolder; // where the files go; the list must name this folder
};

enum class AfterInstall { KeepRunning, StartProgram };

// Installs the list's files and removes the list and the downloads. Returns
// 1 when the list could be used, 0 when it was missing, unreadable or made
// for another program folder (nothing changes then).
int InstallFromList(const InstallPlaces& places, AfterInstall after);

} // namespace updrift
