#include "install/Installer.h"

#include "install/InstallList.h"
#include "install/StagingFolder.h"
#include "support/FileReplace.h"
#include "support/Paths.h"
#include "support/UpdateLog.h"
#include "support/UpdriftApp.h"
#include "trust/StagedFile.h"
#include "unzip/Unzipper.h"

#include <shellapi.h>

#include <vector>

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

// A list line whose download checked out, held unchangeable until it is installed.
struct VerifiedItem {
    InstallItem item;
    std::wstring download;
    win32::UniqueFile held;
};

// The list's installable lines, each download checked against the signature
// it came with. False (and the refusal logged) as soon as one does not hold.
bool VerifyAll(const InstallListContent& list, const InstallPlaces& places,
               std::vector<VerifiedItem>& items) {
    const CSignatureCheck signatures;
    for (const std::wstring& line : list.lines) {
        auto item = ParseInstallLine(line);
        // A line may only name a download of the staging folder and a
        // destination inside the program folder.
        if (!item || !IsBareFileName(item->download) || !IsSafeRelativePath(item->destination)) {
            continue;
        }
        const std::wstring download = JoinPath(places.stagingFolder, item->download);
        win32::UniqueFile held =
            OpenVerifiedFile(download, ReadSignatureFile(SignaturePathOf(download)), signatures);
        if (!held) {
            LogUpdateEvent(places.programFolder,
                           L"Update refused: the download for \"" + item->destination +
                               L"\" no longer matches its signature; nothing was installed.");
            return false;
        }
        items.push_back({std::move(*item), download, std::move(held)});
    }
    return true;
}

void InstallItemFiles(const VerifiedItem& verified, const InstallPlaces& places) {
    const InstallItem& item = verified.item;
    const std::wstring destination = JoinPath(places.programFolder, item.destination);
    bool installed = false;
    if (item.archive) {
        installed = UnpackArchive(verified.download, places.programFolder);
        if (!installed) {
            theApp.ShowMessage(kTextArchiveFailed, kCaptionArchiveFailed);
        }
    } else {
        installed = PutCopyInPlace(verified.download, destination);
    }
    if (installed && item.run) {
        Open(destination, places.programFolder);
    }
}

} // namespace

int InstallFromList(const InstallPlaces& places, AfterInstall after) {
    const auto list = ReadInstallList(InstallListPath(places.stagingFolder));
    // A list made for another copy of the program must not change this one.
    if (!list || !SameFolder(list->programFolder, places.programFolder)) {
        theApp.ShowMessage(kTextListUnreadable);
        return 0;
    }
    std::vector<VerifiedItem> items;
    const bool verified = VerifyAll(*list, places, items);
    if (verified) {
        for (const VerifiedItem& item : items) {
            InstallItemFiles(item, places);
        }
    }
    // Only now, the new files safely in place (or the old ones kept), do the
    // downloads go.
    items.clear();
    RemoveStagingFolder(places.stagingFolder);
    if (after == AfterInstall::StartProgram &&
        !Open(JoinPath(places.programFolder, kProgramFileName), places.programFolder)) {
        theApp.ShowMessage(kTextCannotRestart);
    }
    return verified ? 1 : 0;
}

} // namespace updrift
