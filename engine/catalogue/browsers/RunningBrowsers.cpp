#include "catalogue/browsers/BrowserAlgorithms.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Roots.h"
#include "catalogue/browsers/ChromiumProfiles.h"
#include "catalogue/browsers/MozillaProfiles.h"
#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "core/ScrubcoreApp.h"

#include <tlhelp32.h>

#include <vector>

namespace scrub {

bool IsProgramRunning(std::initializer_list<const wchar_t*> executableNames) {
    // A failed snapshot is INVALID_HANDLE_VALUE, as a failed file open is.
    win32::UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        return false;
    }
    PROCESSENTRY32W process{};
    process.dwSize = sizeof process;
    for (BOOL more = Process32FirstW(snapshot.Get(), &process); more;
         more = Process32NextW(snapshot.Get(), &process)) {
        const std::wstring running = win32::LastComponent(process.szExeFile);
        for (const wchar_t* name : executableNames) {
            if (win32::EqualsNoCase(running, name)) {
                return true;
            }
        }
    }
    return false;
}

void AskToCloseBrowser(std::initializer_list<const wchar_t*> executableNames) {
    // A report-only scan changes nothing the browser could write back, so
    // it is never held up by a question.
    if (!theApp.deleteMode || !IsProgramRunning(executableNames)) {
        return;
    }
    theApp.ShowMessage(L"Please close all Internet Explorer application first, and click OK",
                       MB_OK | MB_ICONEXCLAMATION);
}

namespace {

// A program that keeps its profiles (or its settings) open while it runs.
struct ProfileProgram {
    const wchar_t* name;
    const wchar_t* executable;
    std::vector<std::wstring> (*folders)(); // where it keeps them
};

std::vector<std::wstring> ChromiumFolders(const ChromiumBrowser& browser) {
    std::vector<std::wstring> folders;
    for (const wchar_t* userData : browser.userData) {
        if (!userData) {
            continue;
        }
        folders.push_back(UnderRoot(browser.root(), userData));
        if (browser.cacheRoot) {
            folders.push_back(UnderRoot(browser.cacheRoot(), userData));
        }
    }
    return folders;
}

std::vector<std::wstring> MozillaFoldersOf(const MozillaApplication& application) {
    std::vector<std::wstring> folders;
    for (const MozillaFolders& installation : MozillaInstallations(application)) {
        folders.push_back(installation.roaming);
        folders.push_back(installation.local);
    }
    for (const std::wstring& outside : MozillaProfilesOutside(application)) {
        folders.push_back(outside);
    }
    return folders;
}

// The programs, made on first use: the browsers' rows are another file's.
const std::vector<ProfileProgram>& ProfilePrograms() {
    // clang-format off
    static const std::vector<ProfileProgram> programs = {
    {kGoogleChrome.name, kGoogleChrome.executable, [] { return ChromiumFolders(kGoogleChrome); }},
    {kMicrosoftEdge.name, kMicrosoftEdge.executable, [] { return ChromiumFolders(kMicrosoftEdge); }},
    {kBrave.name, kBrave.executable, [] { return ChromiumFolders(kBrave); }},
    {kVivaldi.name, kVivaldi.executable, [] { return ChromiumFolders(kVivaldi); }},
    {kOpera.name, kOpera.executable, [] { return ChromiumFolders(kOpera); }},
    {kFirefox.name, kFirefox.executable, [] { return MozillaFoldersOf(kFirefox); }},
    {kThunderbird.name, kThunderbird.executable, [] { return MozillaFoldersOf(kThunderbird); }},
    // VLC writes its recent media and library back when it closes.
    {L"VLC media player", L"vlc.exe", [] { return std::vector<std::wstring>{UnderRoot(AppDataFolder(), L"\\vlc")}; }},
    };
    // clang-format on
    return programs;
}

// Where a program keeps its profiles, looked up once per cleaning run: a
// run asks for every file it cleans.
const std::vector<std::wstring>& FoldersOf(const ProfileProgram& program) {
    auto& known = theApp.profileFolders;
    const auto found = known.find(program.name);
    if (found != known.end()) {
        return found->second;
    }
    return known.emplace(program.name, program.folders()).first->second;
}

bool IsBelow(const std::wstring& path, const std::wstring& folder) {
    return !folder.empty() && path.size() > folder.size() && path[folder.size()] == L'\\' &&
           win32::EqualsNoCase(path.substr(0, folder.size()), folder);
}

} // namespace

bool BrowserClosedFor(const std::wstring& path) {
    for (const ProfileProgram& program : ProfilePrograms()) {
        bool holds = false;
        for (const std::wstring& folder : FoldersOf(program)) {
            holds = holds || IsBelow(path, folder);
        }
        if (!holds) {
            continue;
        }
        auto& stillRunning = theApp.browsersAskedToClose;
        const auto asked = stillRunning.find(program.name);
        if (asked != stillRunning.end()) {
            return !asked->second;
        }
        bool running = IsProgramRunning({program.executable});
        if (running) {
            theApp.ShowMessage(std::wstring(L"Please close ") + program.name +
                                   L" first, and click OK. While it runs, its traces are left as they are.",
                               MB_OK | MB_ICONEXCLAMATION);
            running = IsProgramRunning({program.executable});
        }
        stillRunning[program.name] = running;
        return !running;
    }
    return true;
}

} // namespace scrub
