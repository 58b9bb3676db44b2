// How much the engine's folder walk costs over the least a scan must do.
//
//   folder_walk_bench [files=100000] [rounds=5] [busy]
//
// Builds (once) a synthetic tree of nested folders with files of varied
// sizes, then times, interleaved round by round:
//   (a) a plain FindFirstFileW/FindNextFileW enumeration of the tree,
//   (b) the same plus one open/close per file (the least a walk that skips
//       files in use must do, on one thread),
//   (t) the same with the engine's own open test in place of the plain open
//       (the open plus the check that the file is the entry the walk met,
//       not a link's target: the least a walk that never follows a link
//       must do, on one thread),
//   (c) the engine's report-only scan of the tree through its folder walk,
//       with a scan callback that only counts, its open tests run by 1, 2
//       and 4 threads (and by the machine's count, if that is another),
// and prints the medians and the ratios (c)/(a) and (c)/(b). Then it stops
// walks part-way and prints how long a stop takes to end one, and how busy
// the machine's cores were before and during the rounds (other users' load
// moves every figure). With `busy`, one spinning thread per core keeps the
// machine busy through the rounds, as another user's work would.
#include "core/ScrubcoreApp.h"
#include "files/FilePrimitives.h"
#include "files/TestsAhead.h"
#include "win32/Handles.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::wstring kBase = L"C:\\nimbrel-bench";
const std::wstring kRoot = kBase + L"\\tree";

struct Counts {
    unsigned long long files = 0;
    unsigned long long bytes = 0;
};

// 10 top folders, 10 subfolders each (a third of the files two levels
// deeper still); sizes from 0 bytes to 8 KB.
void BuildTree(unsigned files) {
    const std::wstring marker = kBase + L"\\tree-complete-" + std::to_wstring(files);
    if (GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return;
    }
    std::printf("building a tree of %u files in %ls ...\n", files, kRoot.c_str());
    std::string buffer(8192, 'x');
    for (unsigned i = 0; i < files; ++i) {
        const std::wstring folder = kRoot + L"\\d" + std::to_wstring(i % 10) + L"\\s" +
                                    std::to_wstring((i / 10) % 10) + (i % 3 == 0 ? L"\\deep\\er" : L"");
        if (i < 300) {
            SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
        }
        const std::wstring path = folder + L"\\file" + std::to_wstring(i) + L".tmp";
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            continue;
        }
        const DWORD size = (i * 7919u) % 8192u / (i % 5 == 0 ? 64 : 1);
        DWORD written = 0;
        if (size) {
            WriteFile(file, buffer.data(), size, &written, nullptr);
        }
        CloseHandle(file);
    }
    CloseHandle(CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_HIDDEN,
                            nullptr));
}

enum class OpenEach { No, PlainOpen, EnginesTest };

// (a), (b) and (t): a recursive enumeration, with or without an open test.
void Enumerate(const std::wstring& folder, OpenEach openEach, Counts& counts) {
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if (scrub::IsDotEntry(found.cFileName)) {
            continue;
        }
        const std::wstring child = folder + L"\\" + found.cFileName;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            Enumerate(child, openEach, counts);
            continue;
        }
        if (openEach == OpenEach::EnginesTest &&
            !scrub::PassesListedFileTest({child, found.dwFileAttributes, 0})) {
            continue;
        }
        if (openEach == OpenEach::PlainOpen) {
            HANDLE file = CreateFileW(child.c_str(), GENERIC_READ, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file == INVALID_HANDLE_VALUE) {
                continue;
            }
            CloseHandle(file);
        }
        ++counts.files;
        counts.bytes += (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    } while (FindNextFileW(find, &found));
    FindClose(find);
}

unsigned long long engineFound = 0;
int CountFound(BSTR, int) {
    ++engineFound;
    return 0;
}
int NoMessages() {
    return 0;
}

// The stop test: the pump that asks to stop, and when it asked.
unsigned long long pumps = 0;
unsigned long long stopAtPump = 0;
std::chrono::steady_clock::time_point stopAskedAt;
int StopAtSomePump() {
    if (++pumps == stopAtPump) {
        scrub::theApp.stopRequested = true;
        stopAskedAt = std::chrono::steady_clock::now();
    }
    return 0;
}

// The machine's busy share of all cores between two readings.
struct CpuTimes {
    unsigned long long idle = 0, total = 0;
};
unsigned long long Ticks(const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}
CpuTimes ReadCpuTimes() {
    FILETIME idle, kernel, user;
    if (!GetSystemTimes(&idle, &kernel, &user)) {
        return {};
    }
    return {Ticks(idle), Ticks(kernel) + Ticks(user)}; // kernel time includes idle time
}
double BusyPercent(const CpuTimes& from, const CpuTimes& to) {
    const double total = static_cast<double>(to.total - from.total);
    return total > 0 ? 100.0 * (1.0 - static_cast<double>(to.idle - from.idle) / total) : -1;
}

double Seconds(const std::chrono::steady_clock::time_point& start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Every round's figure, to show how much the machine's load moved them.
std::string EachRound(const std::vector<double>& values) {
    std::string text;
    for (const double value : values) {
        char figure[32];
        std::snprintf(figure, sizeof figure, " %.2f", value);
        text += figure;
    }
    return text;
}

// One thread per core that spins until told to stop: another user's load.
struct BusyMachine {
    static inline volatile bool spin = false;
    std::vector<win32::UniqueKernelHandle> threads;

    explicit BusyMachine(bool busy) {
        if (!busy) {
            return;
        }
        spin = true;
        SYSTEM_INFO system;
        GetSystemInfo(&system);
        for (DWORD i = 0; i < system.dwNumberOfProcessors; ++i) {
            threads.emplace_back(CreateThread(nullptr, 0, &Spin, nullptr, 0, nullptr));
        }
    }
    ~BusyMachine() {
        spin = false;
        for (const auto& thread : threads) {
            if (thread) {
                WaitForSingleObject(thread.Get(), INFINITE);
            }
        }
    }
    static DWORD WINAPI Spin(void*) {
        unsigned long long turns = 0;
        while (spin) {
            ++turns;
        }
        return static_cast<DWORD>(turns);
    }
};

double WalkOnce(int threads) {
    scrub::theApp.walkPool.UseThreads(threads);
    // Each walk is a scan of its own: a new count, in which every file is
    // reported and measured again (as the host's per-category clear).
    engineFound = 0;
    scrub::theApp.totalKilobytes = 0;
    scrub::theApp.ForgetReportedTraces();
    const auto start = std::chrono::steady_clock::now();
    scrub::WalkFolder(kRoot);
    return Seconds(start);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const unsigned files = argc > 1 ? static_cast<unsigned>(_wtoi(argv[1])) : 100000u;
    const int rounds = argc > 2 ? _wtoi(argv[2]) : 5;
    const bool busy = argc > 3 && wcscmp(argv[3], L"busy") == 0;
    BuildTree(files);

    scrub::theApp.scanCallback = &CountFound;
    scrub::theApp.processMessage = &NoMessages;
    scrub::theApp.deleteMode = false;
    const int machineThreads = scrub::WorkerPool::MachineThreads();
    std::vector<int> threadCounts = {1, 2, 4};
    if (std::find(threadCounts.begin(), threadCounts.end(), machineThreads) == threadCounts.end()) {
        threadCounts.push_back(machineThreads);
    }

    auto load = std::make_unique<BusyMachine>(busy);
    const CpuTimes quietFrom = ReadCpuTimes();
    Sleep(2000);
    const CpuTimes roundsFrom = ReadCpuTimes();
    std::vector<double> a, b, t;
    std::vector<std::vector<double>> c(threadCounts.size());
    Counts countsA, countsB;
    unsigned long long reported = 0;
    double kilobytes = 0;
    for (int round = 0; round < rounds + 1; ++round) {
        Counts plain, opened;
        auto start = std::chrono::steady_clock::now();
        Enumerate(kRoot, OpenEach::No, plain);
        const double ta = Seconds(start);

        start = std::chrono::steady_clock::now();
        Enumerate(kRoot, OpenEach::PlainOpen, opened);
        const double tb = Seconds(start);

        Counts tested;
        start = std::chrono::steady_clock::now();
        Enumerate(kRoot, OpenEach::EnginesTest, tested);
        const double tt = Seconds(start);

        std::vector<double> tc;
        for (const int threads : threadCounts) {
            tc.push_back(WalkOnce(threads));
            if (threads == machineThreads) {
                reported = engineFound;
                kilobytes = scrub::theApp.totalKilobytes;
            }
        }
        if (round == 0) {
            continue; // warms the file system's caches
        }
        a.push_back(ta);
        b.push_back(tb);
        t.push_back(tt);
        for (size_t i = 0; i < tc.size(); ++i) {
            c[i].push_back(tc[i]);
        }
        countsA = plain;
        countsB = opened;
    }
    const CpuTimes roundsTo = ReadCpuTimes();
    load.reset();

    // Stops at spread points of the tree, each from inside the pump as the
    // scan page's Stop Scan does, with the machine's thread count.
    scrub::theApp.walkPool.UseThreads(0);
    scrub::theApp.processMessage = &StopAtSomePump;
    std::vector<double> stops;
    for (unsigned i = 1; i <= 9; ++i) {
        pumps = 0;
        stopAtPump = countsA.files * i / 10 + 1;
        scrub::theApp.stopRequested = false;
        scrub::WalkFolder(kRoot);
        stops.push_back(Seconds(stopAskedAt) * 1000);
    }
    scrub::theApp.stopRequested = false;
    scrub::theApp.processMessage = &NoMessages;

    const double ma = Median(a), mb = Median(b), mt = Median(t);
    std::printf("files in tree: %llu (%.1f MB); engine reported %llu, size total %.0f KB\n", countsA.files,
                countsA.bytes / 1048576.0, reported, kilobytes);
    std::printf("cores busy: %.0f%% in the 2 s before the rounds, %.0f%% during them (this run included%s)\n",
                BusyPercent(quietFrom, roundsFrom), BusyPercent(roundsFrom, roundsTo),
                busy ? ", and a spinning thread per core" : "");
    std::printf("median of %d rounds:\n", rounds);
    std::printf("  (a) enumeration only               %8.3f s   rounds:%s\n", ma, EachRound(a).c_str());
    std::printf("  (b) enumeration + open/close       %8.3f s   rounds:%s\n", mb, EachRound(b).c_str());
    std::printf("  (t) enumeration + the engine's test %7.3f s   rounds:%s   (t)/(b) = %.2f\n", mt,
                EachRound(t).c_str(), mt / mb);
    double mc = 0, mc1 = 0;
    for (size_t i = 0; i < threadCounts.size(); ++i) {
        const double m = Median(c[i]);
        if (threadCounts[i] == machineThreads) {
            mc = m;
        }
        if (threadCounts[i] == 1) {
            mc1 = m;
        }
        std::printf("  (c) engine walk, %d thread%s testing %8.3f s   rounds:%s   (c)/(b) = %.2f   (c)/(t) = "
                    "%.2f%s\n",
                    threadCounts[i], threadCounts[i] == 1 ? " " : "s", m, EachRound(c[i]).c_str(), m / mb,
                    m / mt, threadCounts[i] == machineThreads ? "   <- the machine's count" : "");
    }
    std::printf("threads used by the walk on this machine: %d (the walking thread and %d from the pool)\n",
                machineThreads, machineThreads - 1);
    std::printf("ratios: (c)/(a) = %.2f   (c)/(b) = %.2f   (target (c)/(b) <= 0.65)\n", mc / ma, mc / mb);
    std::sort(stops.begin(), stops.end());
    std::printf(
        "stop: %zu files tested ahead at most (one thread tests them in %.1f ms); "
        "a stop ended the walk %.2f ms after it was asked (median of %zu, longest %.2f ms; target <= 50)\n",
        scrub::TestsAhead::kAhead,
        mc1 / static_cast<double>(countsA.files) * 1000 * scrub::TestsAhead::kAhead, stops[stops.size() / 2],
        stops.size(), stops.back());
    return 0;
}
