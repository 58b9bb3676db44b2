// The scan-and-clean workflow in the main window, inside the test program,
// with the real engine on a profile seeded with a week of traces: the scan
// and its tree, labels and figures, unticking, cleaning and the report, a
// scan stopped in the middle, a scan that must change nothing, and the
// preview of found pictures.
#include "InProcessSupport.h"
#include "ProgramUnderTest.h"
#include "WindowsTraces.h"

#include "CommunityItems.h"
#include "ItemSelection.h"
#include "NimbrelControlDlg.h"
#include "ProgramFolder.h"
#include "ScanFigures.h"
#include "SettingsStore.h"
#include "TestFiles.h"
#include "TestProcess.h"
#include "TestRegistry.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>

using namespace app_tests;
using namespace testing_support;
using nimbrel::NavPage;

namespace {

const std::wstring kRunMru = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
const std::wstring kSessionManager = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager";
const std::wstring kTypedUrls = L"Software\\Microsoft\\Internet Explorer\\TypedURLs";
const std::wstring kMediaPlayer = L"Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList";
const std::wstring kHkcu = L"HKEY_CURRENT_USER||";

// The user's temporary folder as the Temp Folder item finds it.
std::wstring TempFolder() {
    return ParentOf(SpecialFolderPath(CSIDL_LOCAL_APPDATA)) + L"\\Temp";
}

// The lines only one of two listings has, marked "-" (before) and "+" (after).
std::vector<std::wstring> Changes(const std::vector<std::wstring>& before,
                                  const std::vector<std::wstring>& after) {
    std::vector<std::wstring> gone, added, changes;
    std::set_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(gone));
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
    for (const auto& line : gone) {
        changes.push_back(L"-" + line);
    }
    for (const auto& line : added) {
        changes.push_back(L"+" + line);
    }
    return changes;
}

// The user's registry, without what Wine itself keeps there.
std::vector<std::wstring> UserSoftware() {
    std::vector<std::wstring> lines = RegistryDump(HKEY_CURRENT_USER, L"Software");
    lines.erase(
        std::remove_if(lines.begin(), lines.end(),
                       [](const std::wstring& line) { return line.rfind(L"Software\\Wine\\", 0) == 0; }),
        lines.end());
    return lines;
}

// The user's rules file: an editor found here (its key exists), whose logs
// the entry takes.
constexpr char kEditorRules[] = "[Nimbrel Test Editor *]\r\nLangSecRef=3021\r\n"
                                "Detect=HKCU\\Software\\NimbrelTests Community\\Editor\r\n"
                                "FileKey1=%AppData%\\NimbrelTestEditor|*.log\r\n"
                                "FileKey2=%AppData%\\NimbrelTestEditor\\Thumbs|*.jpg\r\n";

double Kilobytes(uint64_t bytes) {
    return static_cast<double>(bytes) / 1024.0;
}

// A picture of one colour, as a 24-bit bitmap file (whatever its name says:
// the picture library reads what the bytes are).
std::string PictureBytes(int width, int height, COLORREF colour) {
    const int row = (width * 3 + 3) / 4 * 4;
    const uint32_t pixels = static_cast<uint32_t>(row * height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + pixels;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    std::string line(static_cast<size_t>(row), '\0');
    for (int x = 0; x < width; ++x) {
        line[static_cast<size_t>(x * 3)] = static_cast<char>(GetBValue(colour));
        line[static_cast<size_t>(x * 3 + 1)] = static_cast<char>(GetGValue(colour));
        line[static_cast<size_t>(x * 3 + 2)] = static_cast<char>(GetRValue(colour));
    }
    for (int y = 0; y < height; ++y) {
        bytes += line;
    }
    return bytes;
}

// A shortcut as the shell saves one.
void MakeShortcut(const std::wstring& shortcut, const std::wstring& target) {
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           reinterpret_cast<void**>(&link))));
    link->SetPath(target.c_str());
    link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    EXPECT_TRUE(file && SUCCEEDED(file->Save(shortcut.c_str(), TRUE)));
    if (file) {
        file->Release();
    }
    link->Release();
}

class Workflow : public ::testing::Test {
public:
    Workflow() : temp(TestFolder::At(TempFolder())) {}

    void SetUp() override {
        EmptyRecycleBin();
        EmptyTemporaryFolders();
        nimbrel::GetInt(nimbrel::kProductTitle, L"first"); // the first read makes the key
        nimbrel::WriteNothingSelected(nimbrel::kProductTitle);
    }
    void TearDown() override {
        EmptyRecycleBin();
        DeleteFileW(rulesFolder.Path(L"winapp2.ini").c_str());
        nimbrel::CommunityItems().Reload();
    }

    // A week of a user's traces: temporary files, a Run history, two files
    // in the Recycle Bin, typed addresses and a media player's recent files.
    void SeedTraces() {
        temp.File(L"~DF3A21.tmp", 16384);
        temp.File(L"setup log.txt", 2210);
        temp.File(L"photos\\IMG_0042.JPG", 48211);
        registry.String(HKEY_CURRENT_USER, kRunMru, L"a", L"notepad\\1");
        registry.String(HKEY_CURRENT_USER, kRunMru, L"b", L"regedit\\1");
        registry.String(HKEY_CURRENT_USER, kRunMru, L"MRUList", L"ab");
        registry.String(HKEY_CURRENT_USER, kTypedUrls, L"url1", L"http://www.example.com/");
        registry.String(HKEY_CURRENT_USER, kTypedUrls, L"url2", L"http://bank.example.net/login");
        registry.String(HKEY_CURRENT_USER, kMediaPlayer, L"File0", L"C:\\Music\\song.mp3");
        registry.String(HKEY_CURRENT_USER, kMediaPlayer, L"File1", L"C:\\Videos\\holiday.avi");
        if (RecycleBinIsIsolated()) {
            ASSERT_TRUE(MoveToRecycleBin(desktop.File(L"old letter.doc", 3000)));
            ASSERT_TRUE(MoveToRecycleBin(desktop.File(L"photo.jpg", 5000)));
        }
    }
    // An editor of the community rules file, with two logs and a setting.
    void SeedCommunityTraces() {
        rulesFolder.FileWithContent(L"winapp2.ini", kEditorRules);
        registry.Key(HKEY_CURRENT_USER, L"Software\\NimbrelTests Community\\Editor");
        editor.File(L"crash.log", 1000);
        editor.File(L"old.log", 500);
        editor.File(L"settings.ini", 300);
        nimbrel::CommunityItems().Reload();
    }
    static void Select(std::initializer_list<const wchar_t*> valueNames) {
        for (const wchar_t* name : valueNames) {
            const nimbrel::SelectionItem* item = nimbrel::FindSelectionItem(name);
            ASSERT_NE(item, nullptr) << name;
            nimbrel::SetItemSelected(nimbrel::kProductTitle, *item, true);
        }
    }

    void Open() {
        ASSERT_TRUE(window.Create(nullptr));
        ShowWindow(window.Hwnd(), SW_SHOW);
        Pump();
    }
    HWND Control(int id) { return window.ScanPage().Item(id); }
    std::wstring TextOf(int id) { return nimbrel::CWindow(Control(id)).Text(); }
    bool Shown(HWND control) { return IsWindowVisible(control) != FALSE; }
    void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
    // Options, then its Start Scan: the scan runs before this returns.
    void StartScan() {
        Click(FindChild(window.Hwnd(), IDC_OPTIONS_BUTTON));
        Click(window.OptionsPage().Item(IDC_OPT_START_SCAN));
    }

    const nimbrel::CTreeCtrl& Tree() { return window.ScanPage().FoundTree(); }
    // The tree as lines: depth (1 category ... 4 found item), mark, text;
    // found items of a node sorted, as the engine walks in the system's order.
    std::vector<std::wstring> TreeLines() {
        std::vector<std::wstring> lines;
        AddLines(Tree().GetRoot(), 1, lines);
        return lines;
    }
    void AddLines(HTREEITEM first, int depth, std::vector<std::wstring>& lines) {
        std::vector<std::wstring> leaves;
        for (HTREEITEM node = first; node; node = Tree().GetNextSibling(node)) {
            const std::wstring line =
                std::to_wstring(depth) + (Tree().GetCheck(node) ? L"+" : L"-") + Tree().GetItemText(node);
            if (Tree().GetChild(node)) {
                lines.push_back(line);
                AddLines(Tree().GetChild(node), depth + 1, lines);
            } else {
                leaves.push_back(line);
            }
        }
        std::sort(leaves.begin(), leaves.end());
        lines.insert(lines.end(), leaves.begin(), leaves.end());
    }
    HTREEITEM Node(std::initializer_list<std::wstring> path) {
        HTREEITEM node = nullptr;
        for (const std::wstring& text : path) {
            node = node ? Tree().GetChild(node) : Tree().GetRoot();
            while (node && Tree().GetItemText(node) != text) {
                node = Tree().GetNextSibling(node);
            }
        }
        return node;
    }
    void PressSpaceOn(HTREEITEM node) {
        ASSERT_NE(node, nullptr);
        app_tests::PressSpaceOn(window.Hwnd(), Tree().Hwnd(), node);
    }
    std::vector<std::wstring> ReportRow(int row) {
        std::vector<std::wstring> cells;
        for (int column = 0; column < nimbrel::kReportColumns; ++column) {
            cells.push_back(window.ResultsPage().Table().GetItemText(row, column));
        }
        return cells;
    }

    // Whether the preview panel shows, once the window has painted.
    bool PreviewShown() {
        Pump();
        return IsWindowVisible(window.PreviewPanel()) != FALSE;
    }
    // The colour in the middle of the preview's picture, as on the screen.
    COLORREF PreviewCentre() {
        HWND picture = GetDlgItem(window.PreviewPanel(), IDC_PREVIEW_PICTURE);
        RECT area{};
        GetClientRect(picture, &area);
        HDC dc = GetDC(picture);
        const COLORREF colour = GetPixel(dc, area.right / 2, area.bottom / 2);
        ReleaseDC(picture, dc);
        return colour;
    }

    CleanSettings settings;
    DesktopWatch watch{IDYES};
    TestFolder temp;
    TestFolder desktop;
    TestFolder rulesFolder = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\Nimbrel");
    TestFolder editor = TestFolder::At(SpecialFolderPath(CSIDL_APPDATA) + L"\\NimbrelTestEditor");
    TestRegistry registry;
    nimbrel::CNimbrelControlDlg window{1};
};

} // namespace

TEST_F(Workflow, ScanUntickCleanAndReport) {
    if (!RecycleBinIsIsolated()) {
        GTEST_SKIP() << "the Recycle Bin would be the host's own trash";
    }
    SeedTraces();
    SeedCommunityTraces();
    Select({L"Windows Temp Folder", L"Windows Flush Recycle Bin", L"Windows Run Command History",
            L"Internet Explorer Address Bar History", L"AOL Browser Address Bar History",
            L"Windows Media Player Recently Opened Files List", L"Office 2003 Word 2003",
            L"Community: Nimbrel Test Editor"});
    settings.Set(L"Minimise", L"1");
    Open();
    StartScan();

    const std::wstring tmp = temp.Path() + L"\\";
    EXPECT_EQ(TreeLines(), (std::vector<std::wstring>{L"1+Windows",
                                                      L"2+ Temp Folder",
                                                      L"3+" + tmp + L"photos\\IMG_0042.JPG",
                                                      L"3+" + tmp + L"setup log.txt",
                                                      L"3+" + tmp + L"~DF3A21.tmp",
                                                      L"2+Flush Recycle bin",
                                                      L"3+old letter.doc",
                                                      L"3+photo.jpg",
                                                      L"2+ Run command History",
                                                      L"3+" + kHkcu + kRunMru + L"=MRUList",
                                                      L"3+" + kHkcu + kRunMru + L"=a",
                                                      L"3+" + kHkcu + kRunMru + L"=b",
                                                      L"1+Internet Browsers",
                                                      L"2+IE",
                                                      L"3+IE Address Bar History",
                                                      L"4+" + kHkcu + kTypedUrls + L"=url1",
                                                      L"4+" + kHkcu + kTypedUrls + L"=url2",
                                                      L"1+Multimedia",
                                                      L"2+Windows Media Player",
                                                      L"3+Recently Opened Files List",
                                                      L"4+" + kHkcu + kMediaPlayer + L"=File0",
                                                      L"4+" + kHkcu + kMediaPlayer + L"=File1",
                                                      L"1+Community",
                                                      L"2+Applications",
                                                      L"3+Nimbrel Test Editor",
                                                      L"4+" + editor.Path(L"crash.log"),
                                                      L"4+" + editor.Path(L"old.log")}))
        << "AOL's typed addresses are IE's: shown once; Word found nothing and left no node";
    EXPECT_FALSE(IsIconic(window.Hwnd())) << "restored after the run";
    EXPECT_TRUE(Shown(window.ScanPage().Hwnd()));
    EXPECT_EQ(TextOf(IDC_FOUND_COUNT), L"14 item(s) found");
    EXPECT_EQ(TextOf(IDC_SCAN_TITLE), L"Scan Results");
    EXPECT_EQ(TextOf(IDC_SCAN_ACTIVITY),
              L"Scanning completed successfully. Click CLEAN button to perform cleaning now.");
    const double windowsKb = Kilobytes(16384 + 2210 + 48211 + 3000 + 5000);
    const double communityKb = Kilobytes(1000 + 500);
    EXPECT_EQ(TextOf(IDC_SUMMARY1_TEXT), L"Total space Nimbrel ready to recover: ");
    EXPECT_EQ(TextOf(IDC_SUMMARY1_VALUE), nimbrel::KilobytesText(windowsKb + communityKb) + L" KB");
    EXPECT_EQ(TextOf(IDC_SUMMARY2_VALUE), L" 14 file(s)");
    EXPECT_EQ(TextOf(IDC_CLEAN), L"Clean");
    EXPECT_TRUE(Shown(Control(IDC_CLEAN)) && Shown(Control(IDC_SCAN_BACK)));
    EXPECT_FALSE(Shown(Control(IDC_STOP_SCAN)) || Shown(Control(IDC_SCAN_PATH)));
    EXPECT_FALSE(window.IsDashboardShown());
    for (const auto& [name, text] : std::vector<std::pair<std::wstring, std::wstring>>{
             {L"fwnd", L"8"},
             {L"swnd", nimbrel::KilobytesText(windowsKb)},
             {L"fint", L"2"},
             {L"sint", L"0.00"},
             {L"fins", L"--"},
             {L"sins", L"--"},
             {L"fmso", L"0"},
             {L"smso", L"0.00"},
             {L"fmlt", L"2"},
             {L"ffil", L"--"},
             {L"feml", L"--"},
             {L"fthd", L"--"},
             {L"fcmn", L"2"},
             {L"scmn", nimbrel::KilobytesText(communityKb)},
             {L"ttf", L"14"},
             {L"showerrs", L"14"},
             {L"tts", nimbrel::KilobytesText(windowsKb + communityKb)},
             {L"cleaned", L"false"}}) {
        EXPECT_EQ(settings.Get(name), text) << name;
    }
    SaveSettledScreenshot(L"workflow-scan-results");

    // The user keeps one temporary file and one Run entry; a single Recycle
    // Bin entry cannot be kept.
    PressSpaceOn(Node({L"Windows", L" Temp Folder", tmp + L"setup log.txt"}));
    PressSpaceOn(Node({L"Windows", L" Run command History", kHkcu + kRunMru + L"=b"}));
    PressSpaceOn(Node({L"Community", L"Applications", L"Nimbrel Test Editor", editor.Path(L"old.log")}));
    PressSpaceOn(Node({L"Windows", L"Flush Recycle bin", L"photo.jpg"}));
    ASSERT_EQ(watch.Messages().size(), 1u);
    EXPECT_EQ(watch.Messages()[0].text, L"You can't perform selective cleaning for Recycle bin");
    EXPECT_TRUE(Tree().GetCheck(Node({L"Windows", L"Flush Recycle bin", L"photo.jpg"})));
    EXPECT_FALSE(Tree().GetCheck(Node({L"Windows", L" Temp Folder", tmp + L"setup log.txt"})))
        << "the rule leaves the user's other choices alone";

    Click(Control(IDC_CLEAN));
    ASSERT_EQ(watch.Messages().size(), 2u);
    EXPECT_EQ(watch.Messages()[1].text,
              L"Nimbrel has successfully cleaned all the selected items. Click OK to see the results.");
    EXPECT_EQ(Snapshot(temp.Path()), std::vector<std::wstring>{L"setup log.txt|2210"});
    EXPECT_EQ(RecycleBinCount(), 0);
    EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, kRunMru), std::vector<std::wstring>{L"b"});
    EXPECT_TRUE(ValueNames(HKEY_CURRENT_USER, kTypedUrls).empty());
    EXPECT_TRUE(ValueNames(HKEY_CURRENT_USER, kMediaPlayer).empty());
    EXPECT_EQ(Snapshot(editor.Path()), (std::vector<std::wstring>{L"old.log|500", L"settings.ini|300"}));

    // The report, with the navigation held until its Ok.
    EXPECT_EQ(window.LeftFrame().CurrentPage(), NavPage::Statistics);
    EXPECT_FALSE(IsWindowEnabled(window.LeftFrame().Hwnd()));
    const std::wstring found = nimbrel::KilobytesText(windowsKb) + L" KB";
    const std::wstring recovered = nimbrel::KilobytesText(Kilobytes(16384 + 48211 + 3000 + 5000)) + L" KB";
    EXPECT_EQ(ReportRow(0), (std::vector<std::wstring>{L"Windows Logs", L"8", L"6", found, recovered}));
    EXPECT_EQ(ReportRow(1),
              (std::vector<std::wstring>{L"Internet Browser History", L"2", L"2", L"0.00 KB", L"0.00 KB"}));
    EXPECT_EQ(ReportRow(2), (std::vector<std::wstring>{L"IM Logs", L"--", L"--", L"--", L"--"}));
    EXPECT_EQ(ReportRow(3), (std::vector<std::wstring>{L"MS Office History", L"0", L"--", L"0.00 KB", L"--"}))
        << "scanned, but without a node nothing of it was cleaned";
    EXPECT_EQ(ReportRow(4),
              (std::vector<std::wstring>{L"Multimedia Logs", L"2", L"2", L"0.00 KB", L"0.00 KB"}));
    const std::wstring communityFound = nimbrel::KilobytesText(communityKb) + L" KB";
    const std::wstring communityRecovered = nimbrel::KilobytesText(Kilobytes(1000)) + L" KB";
    EXPECT_EQ(ReportRow(8),
              (std::vector<std::wstring>{L"Community", L"2", L"1", communityFound, communityRecovered}));
    // The report adds up its rows' figures as they show, two decimals each.
    const std::wstring allFound = nimbrel::KilobytesText(std::stod(nimbrel::KilobytesText(windowsKb)) +
                                                         std::stod(nimbrel::KilobytesText(communityKb))) +
                                  L" KB";
    const std::wstring allRecovered =
        nimbrel::KilobytesText(Kilobytes(16384 + 48211 + 3000 + 5000 + 1000)) + L" KB";
    EXPECT_EQ(ReportRow(9), (std::vector<std::wstring>{L"TOTAL", L"14", L"11", allFound, allRecovered}));
    EXPECT_EQ(settings.Get(L"showerrs"), L"3");
    EXPECT_EQ(settings.Get(L"cleaned"), L"true");
    SaveSettledScreenshot(L"workflow-report");

    // The logs go to support packed in one archive beside the program.
    Click(window.ResultsPage().Item(IDC_CREATE_LOGS));
    ASSERT_EQ(watch.ShellCalls().size(), 1u);
    EXPECT_EQ(watch.ShellCalls()[0].file, L"explorer");
    WIN32_FIND_DATAW archive{};
    HANDLE find = FindFirstFileW((nimbrel::ProgramFolder() + L"\\LOGS_*.zip").c_str(), &archive);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    FindClose(find);
    DeleteFileW((nimbrel::ProgramFolder() + L"\\" + archive.cFileName).c_str());

    Click(window.ResultsPage().Item(IDC_RESET_STATISTICS));
    EXPECT_EQ(ReportRow(0), (std::vector<std::wstring>{L"Windows Logs", L"--", L"--", L"--", L"--"}));
    EXPECT_EQ(ReportRow(8), (std::vector<std::wstring>{L"Community", L"--", L"--", L"--", L"--"}));
    EXPECT_EQ(ReportRow(9)[nimbrel::kSpaceFound], L"0.00 KB");

    Click(window.ResultsPage().Item(IDC_REPORT_OK));
    EXPECT_TRUE(IsWindowEnabled(window.LeftFrame().Hwnd()));
    EXPECT_EQ(window.LeftFrame().CurrentPage(), NavPage::Scan);
    EXPECT_TRUE(Shown(window.PageWindow(NavPage::Scan)));
    EXPECT_EQ(window.PageWindow(NavPage::Scan), GetDlgItem(window.Hwnd(), IDD_SCANDEFAULT));
}

TEST_F(Workflow, StoppingALongScanStillWritesEveryCategory) {
    for (int i = 0; i < 3000; ++i) {
        temp.File(L"cache\\part" + std::to_wstring(i) + L".tmp", 100);
    }
    registry.String(HKEY_CURRENT_USER, kTypedUrls, L"url1", L"http://www.example.com/");
    Select(
        {L"Windows Temp Folder", L"Windows Run Command History", L"Internet Explorer Address Bar History"});
    Open();
    // Stop is pressed from within the scan, as the user presses it while the
    // engine walks; the first time the user thinks better of it.
    static Workflow* self;
    static int stopPresses;
    self = this;
    stopPresses = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {
        if (self->window.ScanPage().FoundCount() < 100u * (stopPresses + 1) || stopPresses >= 2) {
            return;
        }
        self->watch.Answer(++stopPresses == 1 ? IDNO : IDYES);
        SendMessageW(self->Control(IDC_STOP_SCAN), BM_CLICK, 0, 0);
    });
    StartScan();
    KillTimer(nullptr, timer);

    ASSERT_EQ(stopPresses, 2);
    ASSERT_EQ(watch.Messages().size(), 2u);
    EXPECT_EQ(watch.Messages()[0].text, L"Scanning has been interrupted. Do you want to stop the scan?");
    EXPECT_EQ(watch.Messages()[0].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    const unsigned long long found = window.ScanPage().FoundCount();
    EXPECT_GE(found, 200u) << "No let the scan go on";
    EXPECT_LT(found, 3000u) << "Yes stopped it in the middle of the item";
    EXPECT_EQ(window.ScanPage().CategoryResults().size(), static_cast<size_t>(nimbrel::kCategoryCount));
    EXPECT_EQ(settings.Get(L"fwnd"), std::to_wstring(found));
    EXPECT_EQ(settings.Get(L"fint"), L"--") << "its item never ran";
    for (const wchar_t* name : {L"fins", L"fmso", L"fmlt", L"ffil", L"feml", L"fthd", L"sthd", L"fcmn"}) {
        EXPECT_EQ(settings.Get(name), L"--") << name;
    }
    EXPECT_EQ(settings.Get(L"ttf"), std::to_wstring(found));
    EXPECT_EQ(TextOf(IDC_SCAN_ACTIVITY),
              L"Scanning has been interrupted by user. Click CLEAN button to perform cleaning now.");
    EXPECT_TRUE(Shown(Control(IDC_CLEAN)));
    EXPECT_EQ(TextOf(IDC_CLEAN), L"Clean");
    EXPECT_EQ(Node({L"Windows", L" Run command History"}), nullptr) << "no later item ran";
    EXPECT_EQ(Node({L"Internet Browsers"}), nullptr);
    EXPECT_TRUE(IsWindowEnabled(window.LeftFrame().Hwnd()));

    // What was found so far can be cleaned, even though the engine was told
    // to stop; the results stay behind the Scan button.
    Click(Control(IDC_CLEAN));
    EXPECT_EQ(Snapshot(temp.Path()).size(), 3000u - found + 1) << "the files not found yet, and their folder";
    EXPECT_EQ(settings.Get(L"fiwnd"), std::to_wstring(found));
    EXPECT_EQ(settings.Get(L"fiint"), L"--");
}

TEST_F(Workflow, WhatStaysIsNeitherCountedNorClaimedAsCleaned) {
    temp.File(L"~DF3A21.tmp", 2048);
    const std::wstring held = temp.File(L"setup.log", 4096);
    registry.String(HKEY_CURRENT_USER, kRunMru, L"a", L"notepad\\1");
    registry.String(HKEY_CURRENT_USER, kRunMru, L"MRUList", L"a");
    // A value name a program planted line breaks in: one tree line, marked.
    registry.String(HKEY_CURRENT_USER, kRunMru, L"b\r\n\tc", L"calc\\1");
    Select({L"Windows Temp Folder", L"Windows Run Command History"});
    Open();
    StartScan();
    ASSERT_EQ(window.ScanPage().FoundCount(), 5u);
    const std::wstring planted = kHkcu + kRunMru + L"=b\r\n\tc";
    const HTREEITEM plantedNode = Node({L"Windows", L" Run command History", planted});
    ASSERT_NE(plantedNode, nullptr) << "the tree gives the text back as found";
    wchar_t shown[512] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = plantedNode;
    item.pszText = shown;
    item.cchTextMax = 512;
    SendMessageW(Tree().Hwnd(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::wstring(shown), kHkcu + kRunMru + L"=b\x240D\x240A\x2409" L"c");
    // Meanwhile the user lost the right to change the Run history, and a
    // program opened one temporary file.
    const std::wstring user = CurrentUserSidText();
    SetAccessList(HKEY_CURRENT_USER, kRunMru, (L"D:P(A;;KR;;;" + user + L")").c_str());
    const std::wstring pending = RawText(HKEY_LOCAL_MACHINE, kSessionManager, L"PendingFileRenameOperations");
    {
        HeldOpen writer(held, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
        Click(Control(IDC_CLEAN));
    }
    RestoreRawText(HKEY_LOCAL_MACHINE, kSessionManager, L"PendingFileRenameOperations", pending);
    SetAccessList(HKEY_CURRENT_USER, kRunMru, (L"D:P(A;;KA;;;" + user + L")").c_str());

    ASSERT_EQ(watch.Messages().size(), 1u);
    EXPECT_EQ(watch.Messages()[0].text,
              L"Nimbrel has cleaned 1 of the 5 selected items. 1 go at the next restart (a program holds "
              L"them open) and 3 could not be removed. Click OK to see the results.");
    EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, kRunMru).size(), 3u);
    EXPECT_EQ(settings.Get(L"fiwnd"), L"1");
    EXPECT_EQ(settings.Get(L"ttc"), L"1");
    EXPECT_EQ(settings.Get(L"showerrs"), L"4");
    EXPECT_EQ(nimbrel::CWindow(window.ResultsPage().Item(IDC_REPORT_SUMMARY)).Text(),
              L"1 item(s) go at the next restart: " + held);
    EXPECT_EQ(ReportRow(0)[nimbrel::kSpaceRecovered], L"2.00 KB") << "the held file is still there";
}

TEST_F(Workflow, NothingFoundNothingSelectedAndTheDashboard) {
    Select({L"Office 2003 Word 2003"});
    Open();
    StartScan();
    EXPECT_TRUE(Shown(window.ScanPage().Hwnd()));
    EXPECT_EQ(TextOf(IDC_CLEAN), L"Ok");
    EXPECT_EQ(TextOf(IDC_SUMMARY1_TEXT),
              L"Recommendation: we recommend you to perform cleaning at least once every week.");
    EXPECT_EQ(TextOf(IDC_SCAN_ACTIVITY),
              L"Current scan has not found any tracks to be cleaned in the areas you "
              L"have selected from Options page.");
    EXPECT_FALSE(Shown(Control(IDC_FOUND_COUNT)) || Shown(Control(IDC_SUMMARY1_VALUE)));
    EXPECT_TRUE(window.IsDashboardShown());
    EXPECT_TRUE(watch.Messages().empty());
    SaveSettledScreenshot(L"workflow-nothing-found");

    // "Ok" leads to the dashboard, whose icons and lines open the Options
    // page at their tab.
    Click(Control(IDC_CLEAN));
    EXPECT_TRUE(Shown(GetDlgItem(window.Hwnd(), IDD_SCANDEFAULT)));
    EXPECT_FALSE(Shown(window.ScanPage().Hwnd()));
    SaveSettledScreenshot(L"workflow-dashboard");
    HWND dashboard = GetDlgItem(window.Hwnd(), IDD_SCANDEFAULT);
    Click(GetDlgItem(dashboard, IDC_DASH_FIRST_ICON + 3));
    EXPECT_EQ(window.LeftFrame().CurrentPage(), NavPage::Options);
    EXPECT_EQ(window.OptionsPage().CurrentTab(), 3);
    Click(FindChild(window.Hwnd(), IDC_SCAN_BUTTON));
    SendMessageW(dashboard, WM_COMMAND, MAKEWPARAM(IDC_DASH_FIRST_TEXT + 6, STN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dashboard, IDC_DASH_FIRST_TEXT + 6)));
    EXPECT_EQ(window.OptionsPage().CurrentTab(), 6);

    // Nothing selected at all: back to the Options page with a word why.
    nimbrel::WriteNothingSelected(nimbrel::kProductTitle);
    Click(window.OptionsPage().Item(IDC_OPT_START_SCAN));
    EXPECT_EQ(window.LeftFrame().CurrentPage(), NavPage::Options);
    ASSERT_EQ(watch.Messages().size(), 1u);
    EXPECT_EQ(watch.Messages()[0].caption, L"No Item Selected");
}

TEST_F(Workflow, AScanOfEveryItemChangesNothing) {
    SeedTraces();
    SeedCommunityTraces();
    for (const nimbrel::SelectionItem& item : nimbrel::SelectionItems()) {
        nimbrel::SetItemSelected(nimbrel::kProductTitle, item, true);
    }
    Select({L"Community: Nimbrel Test Editor"});
    const auto files = Snapshot(L"C:\\users");
    const auto windowsFiles = Snapshot(L"C:\\windows\\temp");
    const auto values = UserSoftware();
    const auto machine = RegistryDump(HKEY_LOCAL_MACHINE, L"Software\\Microsoft");
    const std::wstring sessionManager = L"System\\CurrentControlSet\\Control\\Session Manager";
    const auto system = RegistryDump(HKEY_LOCAL_MACHINE, sessionManager);
    const long long bin = RecycleBinCount();
    Open();
    StartScan();
    EXPECT_GE(window.ScanPage().FoundCount(), 14u);
    EXPECT_NE(Node({L"Community", L"Applications", L"Nimbrel Test Editor"}), nullptr);
    const std::vector<std::wstring> none;
    EXPECT_EQ(Changes(files, Snapshot(L"C:\\users")), none);
    EXPECT_EQ(Changes(windowsFiles, Snapshot(L"C:\\windows\\temp")), none);
    EXPECT_EQ(Changes(values, UserSoftware()), none);
    EXPECT_EQ(Changes(machine, RegistryDump(HKEY_LOCAL_MACHINE, L"Software\\Microsoft")), none);
    EXPECT_EQ(Changes(system, RegistryDump(HKEY_LOCAL_MACHINE, sessionManager)), none);
    EXPECT_EQ(RecycleBinCount(), bin);
}

TEST_F(Workflow, FoundPicturesShowOverTheTreeUntilTheUserMovesOn) {
    const COLORREF rose = RGB(200, 40, 90);
    const std::string picture = PictureBytes(120, 80, rose);
    temp.FileWithContent(L"photos\\IMG_0042.JPG", picture);
    temp.FileWithContent(L"readme.txt", "text");
    // Over the preview's limit, though a picture it could draw.
    temp.FileWithContent(L"scanned page.bmp", PictureBytes(2400, 2400, rose));
    TestFolder pictures;
    const std::wstring shortcut = temp.Path(L"beach.lnk");
    MakeShortcut(shortcut, pictures.FileWithContent(L"beach.png", picture));
    const std::string shortcutBytes = ReadAll(shortcut);
    registry.String(HKEY_CURRENT_USER, kRunMru, L"holiday.bmp", L"mspaint holiday.bmp\\1");
    SeedCommunityTraces();
    editor.FileWithContent(L"Thumbs\\cover.jpg", picture);
    Select({L"Windows Temp Folder", L"Windows Run Command History", L"Community: Nimbrel Test Editor"});
    Open();
    StartScan();
    const std::wstring tmp = temp.Path() + L"\\";
    auto selectFound = [&](const std::wstring& item, const std::wstring& text) {
        const HTREEITEM node = Node({L"Windows", item, text});
        ASSERT_NE(node, nullptr) << text;
        Tree().Select(node);
    };

    selectFound(L" Temp Folder", tmp + L"photos\\IMG_0042.JPG");
    ASSERT_TRUE(PreviewShown());
    EXPECT_EQ(PreviewCentre(), rose);
    SaveSettledScreenshot(L"workflow-preview");
    Tree().Select(Node({L"Windows", L" Temp Folder"}));
    EXPECT_TRUE(PreviewShown()) << "an item node leaves the picture as it is";
    selectFound(L" Temp Folder", tmp + L"readme.txt");
    EXPECT_FALSE(PreviewShown());

    selectFound(L" Temp Folder", tmp + L"beach.lnk");
    EXPECT_TRUE(PreviewShown()) << "the shortcut's picture";
    EXPECT_TRUE(ReadAll(shortcut) == shortcutBytes) << "the user's shortcut is only read";
    selectFound(L" Run command History", kHkcu + kRunMru + L"=holiday.bmp");
    EXPECT_FALSE(PreviewShown());
    selectFound(L" Temp Folder", tmp + L"scanned page.bmp");
    EXPECT_FALSE(PreviewShown());
    Tree().Select(
        Node({L"Community", L"Applications", L"Nimbrel Test Editor", editor.Path(L"Thumbs\\cover.jpg")}));
    EXPECT_TRUE(PreviewShown()) << "a Community entry's picture";

    // The wheel reaches the tree, which has the focus; then another page.
    selectFound(L" Temp Folder", tmp + L"photos\\IMG_0042.JPG");
    ASSERT_TRUE(PreviewShown());
    SendMessageW(Tree().Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_FALSE(PreviewShown());
    selectFound(L" Temp Folder", tmp + L"beach.lnk");
    ASSERT_TRUE(PreviewShown());
    Click(FindChild(window.Hwnd(), IDC_SHRED_BUTTON));
    Click(FindChild(window.Hwnd(), IDC_SCAN_BUTTON));
    EXPECT_TRUE(Shown(window.ScanPage().Hwnd()));
    EXPECT_FALSE(PreviewShown());
}
