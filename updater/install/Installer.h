// Installing what an update check downloaded: every file of the list is
// checked against its signature once more and held, then put in place in the
// program folder or unpacked over it.
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
    std::wstring stagingFolder; // holds the list, the downloads and their signatures
    std::wstring programFolder; // where the files go; the list must name this folder
};

enum class AfterInstall { KeepRunning, StartProgram };

// Installs the list's files and removes the staging folder. Returns 1 when
// the list's files were installed; 0 when the list was missing, unreadable
// or made for another program folder (nothing changes, and the user is
// told), or when a download no longer matches its signature (nothing is
// installed, the staging folder goes and the refusal is logged). Started to
// restart the program, it does so in every case but the first.
int InstallFromList(const InstallPlaces& places, AfterInstall after);

} // namespace updrift
