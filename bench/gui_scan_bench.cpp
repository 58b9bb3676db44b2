// How much the scan page adds to the engine's own walk, and how quickly the
// window answers while it scans.
//
//   gui_scan_bench [files=100000] [rounds=3]
//
// Builds (once) a tree of files in the user's temporary folder, where the
// Windows "Temp Folder" item finds them all, and times, round by round:
//   (e) the engine alone: the item's export with a scan callback that only
//       counts and a process-message callback that does nothing,
//   (g) the real scan page in the real main window: the same item selected
//       in the settings store and started from "Start Scan" (tree, labels,
//       the activity log's line per found item, the message pump).
// While (g) runs, another thread posts a message to the window every 20 ms;
// the longest wait for one to be taken is how long a click on Stop Scan can
// wait. A last run presses Stop Scan halfway (the question answered Yes) and
// times how long the scan takes to end after the press.
#include "ItemSelection.h"
#include "NimbrelControlApp.h"
#include "NimbrelControlDlg.h"
#include "SettingsStore.h"
#include "resource.h"
#include "scrubcore/WindowsItems.h"

#include <commctrl.h>
#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

using namespace nimbrel;
using Clock = std::chrono::steady_clock;

namespace {

std::wstring TempFolder() {
    wchar_t local[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, local, CSIDL_LOCAL_APPDATA, TRUE);
    std::wstring folder(local);
    return folder.substr(0, folder.rfind(L'\\')) + L"\\Temp";
}

// 10 folders of 10 subfolders, a third of the files two levels deeper.
void BuildTree(const std::wstring& root, unsigned files) {
    // The mark lies beside the temporary folder, where no item looks.
    const std::wstring marker = root.substr(0, root.rfind(L'\\', root.rfind(L'\\') - 1)) +
                                L"\\bench-tree-complete-" + std::to_wstring(files);
    if (GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return;
    }
    std::printf("building a tree of %u files in %ls ...\n", files, root.c_str());
    std::fflush(stdout);
    const std::string bytes(512, 'x');
    for (unsigned i = 0; i < files; ++i) {
        const std::wstring folder = root + L"\\d" + std::to_wstring(i % 10) + L"\\s" +
                                    std::to_wstring((i / 10) % 10) + (i % 3 == 0 ? L"\\deep\\er" : L"");
        if (i < 300) {
            SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
        }
        HANDLE file = CreateFileW((folder + L"\\file" + std::to_wstring(i) + L".tmp").c_str(), GENERIC_WRITE,
                                  0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(i % bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    CloseHandle(CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr));
}

unsigned long long engineFound = 0;
int CountFound(BSTR, int) {
    ++engineFound;
    return 1;
}
int NoMessages() {
    return 1;
}

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A message posted to the window now and then, and the longest it waited
// before the window's thread took it.
constexpr UINT kProbeMessage = WM_APP + 0x2A5;
std::atomic<long long> longestWaitUs{0};
std::atomic<long long> probesTaken{0};

long long NowUs() {
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch()).count();
}

LRESULT CALLBACK ProbeHook(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == kProbeMessage) {
        const long long waited = NowUs() - static_cast<long long>(message->lParam);
        long long longest = longestWaitUs.load();
        while (waited > longest && !longestWaitUs.compare_exchange_weak(longest, waited)) {
        }
        ++probesTaken;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct GuiRun {
    double seconds = 0;
    unsigned long long found = 0;
    double stopSeconds = -1; // from the press of Stop Scan to the end of the run
};

// One scan through the real page; with `stopAfter`, Stop Scan is pressed
// that many seconds into it.
GuiRun ScanThroughThePage(double stopAfter = -1) {
    GuiRun run;
    CNimbrelControlDlg window(1);
    if (!window.Create(nullptr)) {
        std::printf("the main window could not be created (error %lu)\n", GetLastError());
        return run;
    }
    ShowWindow(window.Hwnd(), SW_SHOW);
    std::atomic<bool> scanning{true};
    std::atomic<long long> stopPressedUs{0};
    std::thread prober([&] {
        const auto begun = Clock::now();
        while (scanning) {
            PostMessageW(window.Hwnd(), kProbeMessage, 0, static_cast<LPARAM>(NowUs()));
            if (stopAfter >= 0 && stopPressedUs == 0 && SecondsSince(begun) >= stopAfter) {
                stopPressedUs = NowUs();
                PostMessageW(window.ScanPage().Item(IDC_STOP_SCAN), BM_CLICK, 0, 0);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    const auto start = Clock::now();
    SendMessageW(GetDlgItem(window.LeftFrame().Hwnd(), IDC_OPTIONS_BUTTON), BM_CLICK, 0, 0);
    SendMessageW(window.OptionsPage().Item(IDC_OPT_START_SCAN), BM_CLICK, 0, 0);
    run.seconds = SecondsSince(start);
    const long long endedUs = NowUs();
    scanning = false;
    prober.join();
    run.found = window.ScanPage().FoundCount();
    if (stopPressedUs != 0) {
        run.stopSeconds = static_cast<double>(endedUs - stopPressedUs) / 1e6;
    }
    DestroyWindow(window.Hwnd());
    return run;
}

double EngineAlone() {
    Scrubcore_SetScanCallBack(&CountFound);
    Scrubcore_SetProcessMessage(&NoMessages);
    Privacy_StopScan(0);
    Privacy_ClearFilesSize();
    engineFound = 0;
    const auto start = Clock::now();
    Privacy_WNDTempFilesDir(0);
    return SecondsSince(start);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const unsigned files = argc > 1 ? static_cast<unsigned>(_wtoi(argv[1])) : 100000u;
    const int rounds = argc > 2 ? _wtoi(argv[2]) : 3;
    INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
    InitCommonControlsEx(&controls);
    BuildTree(TempFolder() + L"\\bench-tree", files);

    GetInt(kProductTitle, L"first"); // the first read makes the settings key
    WriteNothingSelected(kProductTitle);
    SetItemSelected(kProductTitle, *FindSelectionItem(L"Windows Temp Folder"), true);
    // Questions are answered Yes (Stop Scan) and notices are read at once.
    theApp.seams.messageBox = [](HWND, const std::wstring&, const std::wstring&, UINT type) {
        return (type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
    };
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, &ProbeHook, nullptr, GetCurrentThreadId());

    std::vector<double> engine, gui;
    unsigned long long guiFound = 0;
    for (int round = 0; round < rounds + 1; ++round) {
        const double te = EngineAlone();
        longestWaitUs = 0;
        const GuiRun run = ScanThroughThePage();
        if (round == 0) {
            continue; // warms the file system's caches
        }
        engine.push_back(te);
        gui.push_back(run.seconds);
        guiFound = run.found;
    }
    const double longestWait = static_cast<double>(longestWaitUs.load()) / 1e6;
    const double me = Median(engine), mg = Median(gui);
    const GuiRun stopped = ScanThroughThePage(mg / 2);
    UnhookWindowsHookEx(hook);

    std::printf("found by the engine alone: %llu, by the scan page: %llu\n", engineFound, guiFound);
    std::printf("median of %d rounds:\n", rounds);
    std::printf("  (e) engine alone (Temp Folder item)   %8.3f s\n", me);
    std::printf("  (g) the scan page in the main window  %8.3f s\n", mg);
    std::printf("ratio (g)/(e) = %.2f   (target <= 1.5, at most 2)\n", mg / me);
    std::printf("longest wait of a message to the window while scanning: %.3f s (%lld probes)\n", longestWait,
                probesTaken.load());
    std::printf(
        "Stop Scan pressed after %.1f s: the scan ended %.3f s later with %llu found (target <= 0.5 s)\n",
        mg / 2, stopped.stopSeconds, stopped.found);
    return 0;
}
