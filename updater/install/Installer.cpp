#include "install/Installer.h"

#include "install/InstallList.h"
#include "support/FileReplace.h"
#include "support/Paths.h"
#include "support/UpdriftApp.h"
#include "unzip/Unzipper.h"

#include <shellapi.h>

namespace updrift {

namespace {

bool Open(const std::wstring& file, const std::wstring& folder) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // The updater reports its own failures; the shell must not add a dialog.
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.lpDirectory = folder.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) && reinterpret_cast<INT_PTR>(info.hInstApp) > 32;
}

bool UnpackArchive(const std::wstring& archive, const std::wstring& programFolder) {
    CUnzipper unzipper;
    return unzipper.OpenArchive(archive) && unzipper.UnpackAll(programFolder, true);
}

void InstallItemFiles(const InstallItem& item, const InstallPlaces& places) {
    // The list sits in a folder every program of the user can write to: a
    // line may only name a download of the temporary folder and a
    // destination inside the program folder.
    if (!IsBareFileName(item.download)) {
        return;
    }
    const std::wstring download = JoinPath(places.tempFolder, item.download);
    if (!IsSafeRelativePath(item.destination)) {
        DeleteFileW(download.c_str());
        return;
    }
    const std::wstring destination = JoinPath(places.programFolder, item.destination);
    bool installed = false;
    if (item.archive) {
        installed = UnpackArchive(download, places.programFolder);
        if (!installed) {
            theApp.ShowMessage(kTextArchiveFailed, kCaptionArchiveFailed);
        }
    } else {
        installed = PutCopyInPlace(download, destination);
    }
    // Only now is the new file safely in place (or the old one kept).
    DeleteFileW(download.c_str());
    if (installed && item.run) {
        Open(destination, places.programFolder);
    }
}

} // namespace

int InstallFromList(const InstallPlaces& places, AfterInstall after) {
    const std::wstring listPath = InstallListPath(places.tempFolder);
    const auto list = ReadInstallList(listPath);
    // A list made for another copy of the program must not change this one.
    if (!list || !SameFolder(list->programFolder, places.programFolder)) {
        theApp.ShowMessage(kTextListUnreadable);
        return 0;
    }
    for (const std::wstring& line : list->lines) {
        if (const auto item = ParseInstallLine(line)) {
            InstallItemFiles(*item, places);
        }
    }
    DeleteFileW(listPath.c_str());
    if (after == AfterInstall::StartProgram &&
        !Open(JoinPath(places.programFolder, kProgramFileName), places.programFolder)) {
        theApp.ShowMessage(kTextCannotRestart);
    }
    return 1;
}

} // namespace updrift
