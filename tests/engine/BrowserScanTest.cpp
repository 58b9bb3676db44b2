// All browser items together: the library's exports, a report-only scan
// that must leave the user's machine exactly as it was, the stop request,
// and the question to close a running browser before typed addresses or
// its profiles' files go.
#include "BrowserTraces.h"
#include "DllExports.h"
#include "EngineRecorder.h"

#include "scrubcore/BrowserItems.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <set>

using namespace testing_support;

namespace {

struct BrowserItem {
    const char* name;
    int (*item)(unsigned char);
};

#define BROWSER_ITEM(name)                                                                                   \
    { #name, &name }
const BrowserItem kBrowserItems[] = {
    BROWSER_ITEM(Privacy_IETempInternetFiles),
    BROWSER_ITEM(Privacy_IEHisOfVisitedsites),
    BROWSER_ITEM(Privacy_IEFavorites),
    BROWSER_ITEM(Privacy_IECookies),
    BROWSER_ITEM(Privacy_IEStartpageNSecondarytabs),
    BROWSER_ITEM(Privacy_IEIndexDat),
    BROWSER_ITEM(Privacy_IEAutoComplData),
    BROWSER_ITEM(Privacy_IEDowDirMemory),
    BROWSER_ITEM(Privacy_IESavedDirMemory),
    BROWSER_ITEM(Privacy_IESetUpLogFiles),
    BROWSER_ITEM(Privacy_IESavePasswords),
    BROWSER_ITEM(Privacy_IEDownLoadProgFiles),
    BROWSER_ITEM(Privacy_IEAddressbarHis),
    BROWSER_ITEM(Privacy_NSCache),
    BROWSER_ITEM(Privacy_NSAddBarPagHis),
    BROWSER_ITEM(Privacy_NSSavedFormHis),
    BROWSER_ITEM(Privacy_NSCookies),
    BROWSER_ITEM(Privacy_NSSearHis),
    BROWSER_ITEM(Privacy_NSDownLoadManHis),
    BROWSER_ITEM(Privacy_NSDataCardManHis),
    BROWSER_ITEM(Privacy_NSAddBarPagHisPasscardManHis),
    BROWSER_ITEM(Privacy_OPCache),
    BROWSER_ITEM(Privacy_OPHistoryofvisSites),
    BROWSER_ITEM(Privacy_OPHisTypedinAddbar),
    BROWSER_ITEM(Privacy_OPCookies),
    BROWSER_ITEM(Privacy_OPCacheWandPassWord),
    BROWSER_ITEM(Privacy_OPHisFilTransfer),
    BROWSER_ITEM(Privacy_FFBrowHis),
    BROWSER_ITEM(Privacy_FFSavForHis),
    BROWSER_ITEM(Privacy_FFCache),
    BROWSER_ITEM(Privacy_FFDownHis),
    BROWSER_ITEM(Privacy_FFCookies),
    BROWSER_ITEM(Privacy_FFSavPasswords),
    BROWSER_ITEM(Privacy_FFKeyDataMasPass),
    BROWSER_ITEM(Privacy_AQAddBarHis),
    BROWSER_ITEM(Privacy_AQInternetCacheFol),
    BROWSER_ITEM(Privacy_AQHis),
    BROWSER_ITEM(Privacy_AQCookies),
    BROWSER_ITEM(Privacy_FFSession),
    BROWSER_ITEM(Privacy_FFCrashReports),
    BROWSER_ITEM(Privacy_FFSiteSettings),
};
#undef BROWSER_ITEM

// The table above and the six items of each browser built on Chromium.
std::vector<BrowserItem> EveryBrowserItem() {
    std::vector<BrowserItem> items(std::begin(kBrowserItems), std::end(kBrowserItems));
    for (const ChromiumCase& browser : ChromiumCases()) {
        for (auto item : browser.items) {
            items.push_back({browser.name, item});
        }
    }
    return items;
}

// Every file below the folder: its size, attributes and a digest of its content.
void FileState(const std::wstring& folder, const std::wstring& relative, std::vector<std::wstring>& out) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") {
            continue;
        }
        const std::wstring path = folder + L"\\" + name;
        const std::wstring line = relative + L"\\" + name + L"|" + std::to_wstring(entry.dwFileAttributes);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            out.push_back(line);
            FileState(path, relative + L"\\" + name, out);
            continue;
        }
        unsigned long long digest = 1469598103934665603ull;
        for (unsigned char c : ReadAll(path)) {
            digest = (digest ^ c) * 1099511628211ull;
        }
        out.push_back(line + L"|" + std::to_wstring(FileSize(path)) + L"|" + std::to_wstring(digest));
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

// Every value below the key (type and data), and every subkey.
void KeyState(HKEY root, const std::wstring& key, std::vector<std::wstring>& out) {
    HKEY opened;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        out.push_back(key + L" <not readable>");
        return;
    }
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD nameLength = 16384;
        BYTE data[8192];
        DWORD size = sizeof data;
        DWORD type = 0;
        if (RegEnumValueW(opened, index, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS) {
            break;
        }
        std::wstring line = key + L"=" + std::wstring(name, nameLength) + L"|" + std::to_wstring(type) + L"|";
        for (DWORD i = 0; i < size; ++i) {
            line += std::to_wstring(data[i]) + L",";
        }
        out.push_back(line);
    }
    std::vector<std::wstring> subkeys;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD length = 256;
        if (RegEnumKeyExW(opened, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        subkeys.push_back(key + L"\\" + std::wstring(name, length));
    }
    RegCloseKey(opened);
    for (const auto& subkey : subkeys) {
        out.push_back(subkey + L"\\ " + SecurityText(root, subkey));
        KeyState(root, subkey, out);
    }
}

std::vector<std::wstring> MachineState() {
    const UserFolders& f = Folders();
    std::vector<std::wstring> state;
    for (const std::wstring& folder :
         {f.internetCache, f.localSettings + L"\\History", f.history, f.cookies, f.favorites,
          f.profile + L"\\UserData", f.appData + L"\\Microsoft\\Internet Explorer",
          f.windows + L"\\Downloaded Program Files", f.appData + L"\\Netscape", f.appData + L"\\Mozilla",
          f.localAppData + L"\\Mozilla", f.appData + L"\\Opera", f.commonAppData + L"\\AOL",
          f.localAppData + L"\\Opera Software", f.localAppData + L"\\Packages"}) {
        FileState(folder, folder, state);
    }
    for (const ChromiumCase& browser : ChromiumCases()) {
        FileState(VendorFolder(browser.userData), VendorFolder(browser.userData), state);
    }
    KeyState(HKEY_CURRENT_USER, L"Software\\Microsoft\\Internet Explorer", state);
    KeyState(HKEY_CURRENT_USER, L"Software\\Microsoft\\Protected Storage System Provider", state);
    KeyState(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Protected Storage System Provider", state);
    KeyState(HKEY_LOCAL_MACHINE, L"SOFTWARE\\America Online", state);
    return state;
}

// A copy of this test program under another name, started suspended: it
// shows in the process list and never runs.
class SuspendedProgram {
public:
    SuspendedProgram(const TestFolder& folder, const std::wstring& executableName)
        : path_(folder.Path(executableName)) {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        // A copy, not a link: the process list names a linked program by
        // its first name.
        CopyFileW(self, path_.c_str(), FALSE);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + path_ + L"\"";
        started_ = CreateProcessW(path_.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                  CREATE_SUSPENDED, nullptr, nullptr, &startup, &process_) != FALSE;
    }
    ~SuspendedProgram() { Stop(); }
    bool Started() const { return started_; }
    // The user closes the program.
    void Stop() {
        if (started_) {
            TerminateProcess(process_.hProcess, 0);
            WaitForSingleObject(process_.hProcess, 10000);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
            started_ = false;
        }
    }

private:
    std::wstring path_;
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

} // namespace

TEST(BrowserItemsLibrary, ExportsEveryBrowserItemUnderItsExactName) {
    const auto& names = ScrubcoreExportNames();
    ASSERT_FALSE(names.empty()) << "Scrubcore.dll did not load from the program folder";
    for (const BrowserItem& item : kBrowserItems) {
        EXPECT_TRUE(names.count(item.name)) << item.name;
    }
    EXPECT_EQ(41u, sizeof kBrowserItems / sizeof kBrowserItems[0]);
    for (const char* browser : {"GC", "ME", "BR", "VI", "OPN"}) {
        for (const char* item : {"Cache", "Cookies", "History", "Sessions", "FormData", "Passwords"}) {
            EXPECT_TRUE(names.count(std::string("Privacy_") + browser + item)) << browser << item;
        }
    }
    EXPECT_EQ(ScrubcoreExport("Privacy_IECookies"), ScrubcoreExport("Privacy_AQCookies"))
        << "one body, two names";
}

TEST(BrowserScan, AReportOnlyScanOfEveryItemFindsTracesAndChangesNothing) {
    BrowserTraces traces;
    traces.InternetExplorer();
    traces.CookieIndex();
    traces.ProtectedStore();
    traces.Netscape();
    traces.Firefox();
    traces.Opera();
    traces.Aol9();
    traces.CurrentFirefox();
    for (const ChromiumCase& browser : ChromiumCases()) {
        traces.Chromium(browser);
    }
    const std::vector<std::wstring> before = MachineState();
    const std::vector<std::wstring> storeBefore = [&] {
        std::vector<std::wstring> lists;
        for (const auto& key : traces.storeKeys) {
            lists.push_back(SecurityText(HKEY_CURRENT_USER, key));
        }
        return lists;
    }();

    EngineRecorder recorder;
    for (const BrowserItem& item : EveryBrowserItem()) {
        // Each item in a count of its own: within one count a trace that two
        // items share (AOL's cookies are Internet Explorer's) shows only
        // under the first.
        Privacy_ClearFilesSize();
        const size_t foundBefore = recorder.found.size();
        EXPECT_EQ(1, item.item(0)) << item.name;
        EXPECT_LT(foundBefore, recorder.found.size()) << item.name << " found nothing on this machine";
    }

    EXPECT_TRUE(recorder.messages.empty());
    for (const std::wstring& text : recorder.found) {
        EXPECT_TRUE(text.find(L":\\") != std::wstring::npos || text.find(L"||") != std::wstring::npos)
            << "every browser trace is a file or a registry value";
    }
    const std::vector<std::wstring> after = MachineState();
    EXPECT_EQ(before, after);
    for (size_t i = 0; i < traces.storeKeys.size(); ++i) {
        EXPECT_EQ(storeBefore[i], SecurityText(HKEY_CURRENT_USER, traces.storeKeys[i]));
    }
}

TEST(BrowserScan, AStopRequestKeepsEveryItemFromStarting) {
    BrowserTraces traces;
    traces.InternetExplorer();
    traces.ProtectedStore();
    traces.Netscape();
    traces.Firefox();
    traces.Opera();
    traces.Aol9();
    EngineRecorder recorder;
    Privacy_StopScan(1);
    for (const BrowserItem& item : EveryBrowserItem()) {
        EXPECT_EQ(1, item.item(0)) << item.name;
    }
    EXPECT_TRUE(recorder.found.empty());
    EXPECT_EQ(0, recorder.pumps);
    EXPECT_EQ(0, Privacy_Nooffiles());
    EXPECT_EQ("0.000000", EngineRecorder::SizeText());
}

TEST(RunningBrowser, DeletingTypedAddressesAsksOnceToCloseTheBrowserAndNeverReportsIt) {
    struct Case {
        const char* label;
        int (*item)(unsigned char);
        std::vector<std::wstring> programs;
    };
    const Case cases[] = {
        {"Internet Explorer", &Privacy_IEAddressbarHis, {L"iexplore.exe", L"IEXPLORE.EXE"}},
        {"AOL Browser", &Privacy_AQAddBarHis, {L"AOLServiceHost.exe", L"aolhostmanager.exe"}},
    };
    TestFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        // Two windows of the browser: two running processes.
        TestFolder first(folder.Path()), second(folder.Path());
        SuspendedProgram one(first, c.programs[0]);
        SuspendedProgram other(second, c.programs[1]);
        ASSERT_TRUE(one.Started() && other.Started());
        for (const bool deleting : {false, true}) {
            SCOPED_TRACE(deleting ? "delete mode" : "scan");
            BrowserTraces traces;
            traces.InternetExplorer();
            EngineRecorder recorder;
            Privacy_CheckDelete(deleting);
            EXPECT_EQ(1, c.item(0));
            for (const std::wstring& text : recorder.found) {
                EXPECT_NE(std::wstring::npos, text.find(L"||")) << "only typed addresses are found";
            }
            if (!deleting) {
                EXPECT_EQ(2u, recorder.found.size());
                EXPECT_TRUE(recorder.messages.empty()) << "a scan is never held up by a question";
                continue;
            }
            ASSERT_EQ(1u, recorder.messages.size());
            EXPECT_EQ(L"Please close all Internet Explorer application first, and click OK",
                      recorder.messages[0].text);
            EXPECT_EQ(L"Nimbrel", recorder.messages[0].caption);
            EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), recorder.messages[0].type);
            EXPECT_TRUE(
                ValueNames(HKEY_CURRENT_USER, L"Software\\Microsoft\\Internet Explorer\\TypedURLs").empty());
        }
    }
    // Once the browser is closed, nothing is asked.
    BrowserTraces traces;
    traces.InternetExplorer();
    EngineRecorder recorder;
    Privacy_CheckDelete(1);
    Privacy_IEAddressbarHis(0);
    Privacy_AQAddBarHis(0);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(RunningBrowser, ACleaningRunAsksOnceToCloseEachRunningBrowserAndLeavesItsFilesWhileItRuns) {
    struct Case {
        std::wstring program, name, cache;
    };
    std::vector<Case> cases;
    for (const ChromiumCase& c : ChromiumCases()) {
        const std::wstring profile = c.cacheApart.empty() ? c.userData + L"\\Default" : c.cacheApart;
        cases.push_back(
            {c.program, std::wstring(c.name, c.name + strlen(c.name)), profile + L"\\Cache\\Cache_Data"});
    }
    cases.push_back(
        {L"firefox.exe", L"Firefox",
         Folders().localAppData + L"\\Mozilla\\Firefox\\Profiles\\r5t8y1u4.default-release\\cache2"});
    cases.push_back({L"thunderbird.exe", L"Thunderbird",
                     Folders().localAppData + L"\\Thunderbird\\Profiles\\r5t8y1u4.default-release\\cache2"});
    // Firefox from the Store, and VLC, which writes its lists back when it closes.
    cases.push_back({L"firefox.exe", L"Firefox",
                     Folders().localAppData +
                         L"\\Packages\\Mozilla.Firefox_n80bbvh6b1yt2\\LocalCache\\Local\\Mozilla"
                         L"\\Firefox\\Profiles\\s7o9r3e1.default-release\\cache2"});
    cases.push_back({L"vlc.exe", L"VLC media player", Folders().appData + L"\\vlc\\art\\artistalbum"});
    TestFolder programs, elsewhere;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.name));
        TestFolder vendor = TestFolder::At(VendorFolder(c.cache));
        const std::vector<std::wstring> files = {MakeFile(c.cache + L"\\data_0", 4096),
                                                 MakeFile(c.cache + L"\\data_1", 4096)};
        const std::wstring other = elsewhere.File(L"other.tmp", 100);
        TestFolder copy(programs.Path());
        SuspendedProgram browser(copy, c.program);
        ASSERT_TRUE(browser.Started());

        // The user leaves it open: its files stay, and nothing else does.
        EngineRecorder recorder;
        Privacy_ClearFilesSize();
        EXPECT_EQ(0, Privacy_CleanSelitems(files[0].c_str()));
        EXPECT_EQ(1, Privacy_CleanSelitems(other.c_str()));
        EXPECT_EQ(0, Privacy_CleanSelitems(files[1].c_str()));
        EXPECT_TRUE(FileExists(files[0]) && FileExists(files[1]));
        ASSERT_EQ(1u, recorder.messages.size()) << "asked once per cleaning run";
        EXPECT_EQ(L"Please close " + c.name +
                      L" first, and click OK. While it runs, its traces are left as they are.",
                  recorder.messages[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), recorder.messages[0].type);

        // In the next run the user closes it when asked: its files go.
        recorder.onMessage = [&] { browser.Stop(); };
        Privacy_ClearFilesSize();
        EXPECT_EQ(1, Privacy_CleanSelitems(files[0].c_str()));
        EXPECT_EQ(1, Privacy_CleanSelitems(files[1].c_str()));
        EXPECT_EQ(2u, recorder.messages.size());
        // Closed, it is not asked about.
        MakeFile(files[0], 100);
        Privacy_ClearFilesSize();
        EXPECT_EQ(1, Privacy_CleanSelitems(files[0].c_str()));
        EXPECT_EQ(2u, recorder.messages.size());
    }
}
