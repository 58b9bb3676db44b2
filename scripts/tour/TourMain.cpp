// nimbrel-tour <program> <picture folder> [--stay | --glance]
// Starts Nimbrel.exe as a user would and does the program's main job with
// it: from the dashboard to the Options page (every tab), a scan, the tree
// of what it found with the preview of a found picture, a few found items
// unticked (a Recycle Bin entry among them, which the program refuses
// alone), the cleaning and its report, the Shred page shredding a file
// picked in the open-file dialog, and the About box, saving a picture of
// every step in <picture folder>. With
// --stay the program is left open for the user afterwards and the tour ends
// with it; without, the tour closes it. --glance stops after the scan's
// tree and its preview and then shows the About box: the pages a user sees
// first, for a look at another screen scale without changing the prefix.
#include "RemoteTree.h"
#include "ScreenCapture.h"
#include "resource.h"
#include "win32/Handles.h"
#include "win32/Text.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstdio>
#include <cwctype>
#include <string>
#include <vector>

namespace {

// The demonstration never reaches the network: the update check goes to a
// port where nothing listens and ends quietly.
constexpr wchar_t kSettingsKey[] = L"SOFTWARE\\Nimbrel";
constexpr wchar_t kOfflineUpdateServer[] = L"http://127.0.0.1:9";

constexpr wchar_t kMainWindowClass[] = L"NimbrelMainWindow";
constexpr wchar_t kDialogClass[] = L"#32770";

void Say(const std::wstring& text) {
    const std::string out = win32::Utf8FromUtf16(text);
    std::printf("tour: %s\n", out.c_str());
    std::fflush(stdout);
}

template <class Condition> bool WaitUntil(Condition condition, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= end) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

struct WindowSearch {
    DWORD process;
    const wchar_t* className;
    const wchar_t* title;
    HWND found = nullptr;
};

// A visible top-level window of the process with this class (and title).
HWND FindProgramWindow(DWORD process, const wchar_t* className, const wchar_t* title = nullptr) {
    WindowSearch search{process, className, title};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<WindowSearch*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            wchar_t text[128] = {};
            GetWindowTextW(window, text, 128);
            if (owner == s.process && IsWindowVisible(window) && std::wstring(name) == s.className &&
                (!s.title || std::wstring(text) == s.title)) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct ChildSearch {
    int id;
    const wchar_t* className;
    HWND found = nullptr;
};

// A child at any depth, by control identifier or by class.
HWND FindChild(HWND parent, int id, const wchar_t* className = nullptr) {
    ChildSearch search{id, className};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<ChildSearch*>(context);
            wchar_t name[64] = {};
            GetClassNameW(child, name, 64);
            if (s.className ? std::wstring(name) == s.className : GetDlgCtrlID(child) == s.id) {
                s.found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The program paints once its queue runs dry: let it take what we posted,
// answer a message of ours, and finish painting.
void Settle(HWND window) {
    Sleep(300);
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    Sleep(300);
}

class Tour {
public:
    Tour(std::wstring folder, DWORD process) : folder_(std::move(folder)), process_(process) {}

    void Picture(HWND window, const std::wstring& name) {
        // On a user's desktop other windows may cover it.
        SetForegroundWindow(window);
        Settle(window);
        const std::wstring file = folder_ + L"\\" + name + L".png";
        if (tour::SaveWindowPicture(window, file)) {
            saved_.push_back(file);
        } else {
            Say(L"could not save " + file);
        }
    }

    const std::vector<std::wstring>& Saved() const { return saved_; }
    DWORD Process() const { return process_; }

private:
    std::wstring folder_;
    DWORD process_;
    std::vector<std::wstring> saved_;
};

constexpr const wchar_t* kOptionTabs[] = {L"windows", L"browsers",   L"messengers",
                                          L"office",  L"multimedia", L"filesharing",
                                          L"email",   L"thirdparty", L"community"};

std::wstring Numbered(int& number, const std::wstring& name) {
    wchar_t prefix[16];
    swprintf(prefix, 16, L"%02d-", ++number);
    return prefix + name;
}

void WalkOptionTabs(Tour& tour, HWND main, int& number) {
    HWND page = FindChild(main, IDD_OPTIONS);
    HWND tabs = page ? FindChild(page, 0, WC_TABCONTROLW) : nullptr;
    if (!tabs) {
        Say(L"the Options page has no tab strip");
        return;
    }
    const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    // The arrow keys move along the strip as they do for a user, and the
    // page hears of each change.
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            PostMessageW(tabs, WM_KEYDOWN, VK_RIGHT, 0);
            PostMessageW(tabs, WM_KEYUP, VK_RIGHT, 0);
            // A slow machine takes its time over the key: wait for the tab.
            if (!WaitUntil([&] { return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == i; }, 5000)) {
                Say(L"the Options page did not move to its next tab");
            }
        }
        const wchar_t* name = i < static_cast<int>(std::size(kOptionTabs)) ? kOptionTabs[i] : L"tab";
        tour.Picture(main, Numbered(number, std::wstring(L"options-") + name));
    }
    // Back to the first tab, so the next visit starts where a user would.
    for (int i = 1; i < count; ++i) {
        PostMessageW(tabs, WM_KEYDOWN, VK_LEFT, 0);
    }
}

bool VisitAboutBox(Tour& tour, HWND main, int& number) {
    PostMessageW(FindChild(main, IDC_ABOUT_BUTTON), BM_CLICK, 0, 0);
    HWND about = nullptr;
    if (!WaitUntil(
            [&] { return (about = FindProgramWindow(tour.Process(), kDialogClass, L"About Nimbrel")); },
            10000)) {
        Say(L"the About box did not open");
        return false;
    }
    tour.Picture(about, Numbered(number, L"about"));
    PostMessageW(about, WM_CLOSE, 0, 0);
    return WaitUntil([&] { return !IsWindow(about) || !IsWindowVisible(about); }, 10000);
}

bool IsShown(HWND window) {
    return window && IsWindowVisible(window);
}

bool IsPageShown(HWND main, int page) {
    return IsShown(FindChild(main, page));
}

// A control of one of the main window's pages.
HWND PageControl(HWND main, int page, int id) {
    HWND pageWindow = FindChild(main, page);
    return pageWindow ? GetDlgItem(pageWindow, id) : nullptr;
}

// A message box of the program: its picture, then its button.
bool AnswerMessage(Tour& tour, int& number, const std::wstring& name, int button = IDOK) {
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = FindProgramWindow(tour.Process(), kDialogClass, L"Nimbrel")); },
                   15000)) {
        Say(L"no message came up for " + name);
        return false;
    }
    tour.Picture(box, Numbered(number, name));
    PostMessageW(box, WM_COMMAND, button, 0);
    return WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 10000);
}

// The scan of the default selection, started where a new user starts it:
// SCAN NOW on the dashboard, then Start Scan on the Options page.
bool Scan(Tour& tour, HWND main, int& number) {
    PostMessageW(PageControl(main, IDD_SCANDEFAULT, IDC_DASH_SCAN_NOW), BM_CLICK, 0, 0);
    if (!WaitUntil([&] { return IsPageShown(main, IDD_OPTIONS); }, 5000)) {
        Say(L"SCAN NOW did not lead to the Options page");
        return false;
    }
    WalkOptionTabs(tour, main, number);
    PostMessageW(PageControl(main, IDD_OPTIONS, IDC_OPT_START_SCAN), BM_CLICK, 0, 0);
    HWND clean = nullptr;
    if (!WaitUntil([&] { return IsShown(clean = PageControl(main, IDD_SCANPRG, IDC_CLEAN)); }, 180000)) {
        Say(L"the scan did not end");
        return false;
    }
    wchar_t count[64] = {};
    GetWindowTextW(PageControl(main, IDD_SCANPRG, IDC_FOUND_COUNT), count, 64);
    Say(std::wstring(L"the scan ended: ") + count);
    tour.Picture(main, Numbered(number, L"scan-results"));
    return true;
}

// Opens every branch, then unticks the first found item of a few items, and
// tries to untick one Recycle Bin entry alone.
void UntickSomeFoundItems(Tour& tour, HWND main, int& number) {
    tour::RemoteTree tree(PageControl(main, IDD_SCANPRG, IDC_SCAN_TREE));
    std::vector<HTREEITEM> itemNodes;
    for (HTREEITEM category : tree.Children(nullptr)) {
        tree.Expand(category);
        for (HTREEITEM child : tree.Children(category)) {
            tree.Expand(child);
            const std::vector<HTREEITEM> below = tree.Children(child);
            // Under Windows the items hang at the category; elsewhere one
            // level down, under their application.
            if (!below.empty() && tree.Child(below.front())) {
                itemNodes.insert(itemNodes.end(), below.begin(), below.end());
            } else {
                itemNodes.push_back(child);
            }
        }
    }
    int unticked = 0;
    HTREEITEM binEntry = nullptr;
    for (HTREEITEM item : itemNodes) {
        const HTREEITEM first = tree.Child(item);
        if (!first) {
            continue;
        }
        if (tree.Text(item) == L"Flush Recycle bin") {
            binEntry = first;
            continue;
        }
        if (unticked < 3 && tree.Checked(first)) {
            Say(L"unticking " + tree.Text(first));
            tree.ToggleWithSpace(first);
            ++unticked;
        }
    }
    Settle(main);
    tour.Picture(main, Numbered(number, L"found-items-unticked"));
    if (binEntry) {
        Say(L"unticking the Recycle Bin entry " + tree.Text(binEntry) + L" alone");
        tree.ToggleWithSpace(binEntry);
        AnswerMessage(tour, number, L"recycle-bin-all-or-nothing");
    }
}

bool IsPictureName(const std::wstring& text) {
    std::wstring lower = text;
    for (wchar_t& c : lower) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    for (const wchar_t* extension : {L".jpg", L".jpeg", L".png", L".gif", L".bmp"}) {
        const std::wstring end = extension;
        if (lower.size() > end.size() && lower.compare(lower.size() - end.size(), end.size(), end) == 0) {
            return true;
        }
    }
    return false;
}

// The first found picture of the tree (depth first), or null.
HTREEITEM FindFoundPicture(const tour::RemoteTree& tree, HTREEITEM parent) {
    for (HTREEITEM node : tree.Children(parent)) {
        if (!tree.Child(node)) {
            if (IsPictureName(tree.Text(node))) {
                return node;
            }
        } else if (HTREEITEM found = FindFoundPicture(tree, node)) {
            return found;
        }
    }
    return nullptr;
}

// A found picture selected in the tree shows over it.
void PreviewAFoundPicture(Tour& tour, HWND main, int& number) {
    tour::RemoteTree tree(PageControl(main, IDD_SCANPRG, IDC_SCAN_TREE));
    const HTREEITEM picture = FindFoundPicture(tree, nullptr);
    if (!picture) {
        Say(L"the scan found no picture to preview");
        return;
    }
    Say(L"selecting the found picture " + tree.Text(picture));
    tree.Select(picture);
    if (!WaitUntil([&] { return IsPageShown(main, IDD_STATISTICS); }, 5000)) {
        Say(L"the preview did not show the picture");
        return;
    }
    tour.Picture(main, Numbered(number, L"found-picture-preview"));
}

// Clean: the program's word on what it did (and the engine's notices on
// the way), then its report.
bool CleanAndReport(Tour& tour, HWND main, int& number) {
    PostMessageW(PageControl(main, IDD_SCANPRG, IDC_CLEAN), BM_CLICK, 0, 0);
    const ULONGLONG end = GetTickCount64() + 60000;
    int notices = 0;
    while (!IsPageShown(main, IDD_RESULTS)) {
        if (GetTickCount64() >= end) {
            Say(L"the report did not come up");
            return false;
        }
        if (FindProgramWindow(tour.Process(), kDialogClass, L"Nimbrel")) {
            AnswerMessage(tour, number, L"cleaning-message-" + std::to_wstring(++notices));
        }
        Sleep(50);
    }
    tour.Picture(main, Numbered(number, L"report"));
    // The report's Ok leads back to the dashboard.
    PostMessageW(PageControl(main, IDD_RESULTS, IDC_REPORT_OK), BM_CLICK, 0, 0);
    return WaitUntil([&] { return IsPageShown(main, IDD_SCANDEFAULT); }, 5000);
}

// The Shred page: a file picked in the open-file dialog, the Safe level,
// SHRED FILES, the question and the word that it is done.
bool VisitShredPage(Tour& tour, HWND main, int& number) {
    wchar_t documents[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, documents, CSIDL_PERSONAL, TRUE);
    const std::wstring statement = std::wstring(documents) + L"\\old bank statement.txt";
    if (const win32::UniqueFile file{
            CreateFileW(statement.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr)}) {
        // Closed before the shredder opens it exclusively.
        const char text[] = "Account 12-3456-7890, balance 1,024.00\r\n";
        DWORD written = 0;
        WriteFile(file.Get(), text, sizeof text - 1, &written, nullptr);
    }
    PostMessageW(FindChild(main, IDC_SHRED_BUTTON), BM_CLICK, 0, 0);
    if (!WaitUntil([&] { return IsPageShown(main, IDD_ADVANCEDSHRED); }, 5000)) {
        Say(L"the Shred button did not show the Shred page");
        return false;
    }
    PostMessageW(PageControl(main, IDD_ADVANCEDSHRED, IDC_SHRED_ADD), BM_CLICK, 0, 0);
    HWND dialog = nullptr;
    if (!WaitUntil(
            [&] {
                return (dialog =
                            FindProgramWindow(tour.Process(), kDialogClass, L"Scrubcore - Select Files"));
            },
            15000)) {
        Say(L"the open-file dialog did not come up");
        return false;
    }
    // The file name box of the dialog (its combo box, or the plain edit).
    HWND name = GetDlgItem(dialog, 0x47c);
    if (!name) {
        name = GetDlgItem(dialog, 0x480);
    }
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(statement.c_str()));
    tour.Picture(dialog, Numbered(number, L"shred-open-file"));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    HWND list = PageControl(main, IDD_ADVANCEDSHRED, IDC_SHRED_LIST);
    if (!WaitUntil([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 1; }, 10000)) {
        Say(L"the picked file did not reach the shred list");
        return false;
    }
    // The Safe level, by its label.
    HWND safe = PageControl(main, IDD_ADVANCEDSHRED, IDC_SHRED_SAFE_LABEL);
    PostMessageW(safe, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(safe, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    tour.Picture(main, Numbered(number, L"shred-list"));
    PostMessageW(PageControl(main, IDD_ADVANCEDSHRED, IDC_SHRED_FILES), BM_CLICK, 0, 0);
    if (!AnswerMessage(tour, number, L"shred-question") || !AnswerMessage(tour, number, L"shred-done")) {
        return false;
    }
    tour.Picture(main, Numbered(number, L"shred-page-after"));
    const bool gone = GetFileAttributesW(statement.c_str()) == INVALID_FILE_ATTRIBUTES;
    Say(gone ? L"shredded " + statement : L"the shredded file is still there: " + statement);
    return gone;
}

void StayOffline() {
    win32::UniqueKey key;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Put(),
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    const std::wstring server = kOfflineUpdateServer;
    RegSetValueExW(key.Get(), L"updateserver", 0, REG_SZ, reinterpret_cast<const BYTE*>(server.c_str()),
                   static_cast<DWORD>((server.size() + 1) * sizeof(wchar_t)));
}

struct ProcessHandles {
    PROCESS_INFORMATION info{};
    ~ProcessHandles() {
        if (info.hProcess) {
            CloseHandle(info.hProcess);
            CloseHandle(info.hThread);
        }
    }
};

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: nimbrel-tour <program> <picture folder> [--stay | --glance]\n", stderr);
        return 2;
    }
    const std::wstring program = argv[1];
    const std::wstring folder = argv[2];
    const std::wstring mode = argc > 3 ? argv[3] : L"";
    const bool stay = mode == L"--stay";
    const bool glance = mode == L"--glance";
    CreateDirectoryW(folder.c_str(), nullptr);
    StayOffline();

    std::wstring programFolder = program.substr(0, program.find_last_of(L'\\'));
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ProcessHandles process;
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        programFolder.c_str(), &startup, &process.info)) {
        Say(L"could not start " + program);
        return 1;
    }
    Say(L"started " + program);
    Tour tour(folder, process.info.dwProcessId);
    int number = 0;

    HWND splash = nullptr;
    if (WaitUntil([&] { return (splash = FindProgramWindow(tour.Process(), kDialogClass)); }, 20000)) {
        tour.Picture(splash, L"01-splash");
        ++number;
        // The splash's own timer would take its seconds; the tour fires it.
        PostMessageW(splash, WM_TIMER, 100, 0);
    }
    HWND main = nullptr;
    if (!WaitUntil([&] { return (main = FindProgramWindow(tour.Process(), kMainWindowClass, L"Nimbrel")); },
                   20000)) {
        Say(L"the main window did not come up");
        TerminateProcess(process.info.hProcess, 1);
        return 1;
    }
    Say(L"the main window is up");

    tour.Picture(main, Numbered(number, L"dashboard"));
    bool done = Scan(tour, main, number);
    if (done) {
        PreviewAFoundPicture(tour, main, number);
    }
    if (done && !glance) {
        UntickSomeFoundItems(tour, main, number);
        done = CleanAndReport(tour, main, number);
    }
    if (!glance) {
        done = VisitShredPage(tour, main, number) && done;
    }
    done = VisitAboutBox(tour, main, number) && done;

    for (const std::wstring& file : tour.Saved()) {
        Say(L"saved " + file);
    }
    if (stay) {
        Say(L"Nimbrel stays open on your display: close it to end the tour");
        WaitForSingleObject(process.info.hProcess, INFINITE);
        return done ? 0 : 1;
    }
    PostMessageW(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.info.hProcess, 15000) != WAIT_OBJECT_0) {
        Say(L"Nimbrel did not close; ending it");
        TerminateProcess(process.info.hProcess, 1);
        return 1;
    }
    Say(L"closed Nimbrel");
    return done ? 0 : 1;
}
