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

// A place that holds a program's profiles: root + suffix.
struct ProfilePlace {
    FolderRoot root;
    const wchar_t* suffix;
};

// A program that keeps its profiles open while it runs, and where they lie.
struct ProfileProgram {
    const wchar_t* name;
    const wchar_t* executable;
    std::vector<ProfilePlace> places;
};

std::vector<ProfileProgram> ProgramsKeepingProfilesOpen() {
    std::vector<ProfileProgram> programs;
    for (const ChromiumBrowser* browser : kChromiumBrowsers) {
        ProfileProgram program{browser->name, browser->executable, {}};
        for (const wchar_t* userData : browser->userData) {
            if (!userData) {
                continue;
            }
            program.places.push_back({browser->root, userData});
            if (browser->cacheRoot) {
                program.places.push_back({browser->cacheRoot, userData});
            }
        }
        programs.push_back(std::move(program));
    }
    auto placeOf = [](const ProfilesFolder& profiles) {
        return ProfilePlace{profiles.root, profiles.suffix};
    };
    programs.push_back(
        {L"Firefox", L"firefox.exe", {placeOf(kFirefoxProfiles), placeOf(kFirefoxLocalProfiles)}});
    programs.push_back({L"Thunderbird",
                        L"thunderbird.exe",
                        {placeOf(kThunderbirdProfiles), placeOf(kThunderbirdLocalProfiles)}});
    return programs;
}

std::wstring Upper(std::wstring text) {
    if (!text.empty()) {
        CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    }
    return text;
}

// Every file of a cleaning run is looked at: the place's own name must
// appear in the path before its root is asked of the platform.
bool IsBelow(const std::wstring& path, const std::wstring& upperPath, const ProfilePlace& place) {
    if (upperPath.find(Upper(std::wstring(place.suffix) + L"\\")) == std::wstring::npos) {
        return false;
    }
    const std::wstring folder = UnderRoot(place.root(), place.suffix);
    return !folder.empty() && path.size() > folder.size() && path[folder.size()] == L'\\' &&
           win32::EqualsNoCase(path.substr(0, folder.size()), folder);
}

} // namespace

bool BrowserClosedFor(const std::wstring& path) {
    const std::wstring upperPath = Upper(path);
    for (const ProfileProgram& program : ProgramsKeepingProfilesOpen()) {
        bool holds = false;
        for (const ProfilePlace& place : program.places) {
            holds = holds || IsBelow(path, upperPath, place);
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
