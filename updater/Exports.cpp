// The library's exports. Nothing thrown inside may cross the boundary.
#include "check/UpdateCheck.h"
#include "install/Installer.h"
#include "install/ProgramLock.h"
#include "install/StagingFolder.h"
#include "support/FileReplace.h"
#include "support/Paths.h"
#include "support/UpdriftApp.h"
#include "win32/Handles.h"
#include "updrift/UpdatePage.h"
#include "updrift/Updrift.h"

#include <vector>

namespace updrift {

namespace {

constexpr wchar_t kLibraryFileName[] = L"Updrift.dll";

// The server the program's settings name, as text (empty when absent).
std::wstring ConfiguredUpdateServer() {
    DWORD size = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kSettingsKey, kUpdateServerSetting, RRF_RT_REG_SZ, nullptr, nullptr,
                     &size) != ERROR_SUCCESS) {
        return {};
    }
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kSettingsKey, kUpdateServerSetting, RRF_RT_REG_SZ, nullptr,
                     text.data(), &size) != ERROR_SUCCESS) {
        return {};
    }
    return text.data();
}

void CheckForUpdates(const wchar_t* url, UpdriftDecideCallBack decide, UpdriftStatusCallBack status) {
    const std::wstring address =
        url && *url ? std::wstring(url) : UpdatePageAddress(ConfiguredUpdateServer());
    const CheckPlaces places{ModuleFolder(nullptr)};
    CUpdateCheck check(places, decide, status);
    if (check.Run(address) != CheckOutcome::InstallSeparately) {
        return;
    }
    if (StartInstallerProcess(JoinPath(places.programFolder, kLibraryFileName),
                              LastComponent(check.StagingFolder()))) {
        // The installer waits for this process to end before it replaces
        // the program's files.
        ExitProcess(0);
    }
    check.Abandon();
}

// The staging folder's name, as the check passed it on rundll32's command
// line; blanks and quotes don't count (the name has none).
std::wstring StagingNameFrom(const char* commandLine) {
    std::wstring name;
    for (const char* c = commandLine ? commandLine : ""; *c; ++c) {
        if (*c != ' ' && *c != '\t' && *c != '"') {
            name += static_cast<wchar_t>(static_cast<unsigned char>(*c));
        }
    }
    return name;
}

int InstallDownloadedUpdates(const char* commandLine) {
    const std::wstring programFolder = ModuleFolder(ThisModule());
    WaitForProgramToEnd();
    // Copies of files an earlier installation replaced while they were in
    // use (this library among them) are free by now.
    RemoveSetAsideCopies(programFolder);
    // Only a staging folder of this program folder is ever installed from.
    const std::wstring name = StagingNameFrom(commandLine);
    if (!IsStagingFolderName(name)) {
        theApp.ShowMessage(kTextListUnreadable);
        return 0;
    }
    return InstallFromList({JoinPath(programFolder, name), programFolder}, AfterInstall::StartProgram);
}

int DownloadFile(const wchar_t* url, const wchar_t* path) {
    if (!url || !path || !*path) {
        return 0;
    }
    CInternetSession session;
    if (!session.Open()) {
        return 0;
    }
    bool whole = false;
    {
        win32::UniqueFile file(
            CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return 0;
        }
        unsigned long long bytes = 0;
        whole = session.Download(url, file.Get(), bytes) && FlushFileBuffers(file.Get());
    }
    if (!whole) {
        DeleteFileW(path);
    }
    return whole ? 1 : 0;
}

} // namespace

} // namespace updrift

UPDRIFT_API void AuCheckForUpdates(const wchar_t* url, UpdriftDecideCallBack decide,
                                   UpdriftStatusCallBack status) {
    try {
        updrift::CheckForUpdates(url, decide, status);
    } catch (...) {
    }
}

UPDRIFT_API int CALLBACK InstallUpdates(HWND, HINSTANCE, LPSTR commandLine, int) {
    try {
        return updrift::InstallDownloadedUpdates(commandLine);
    } catch (...) {
        return 0;
    }
}

UPDRIFT_API int AuDownloadFile(const wchar_t* url, const wchar_t* path) {
    try {
        return updrift::DownloadFile(url, path);
    } catch (...) {
        return 0;
    }
}
