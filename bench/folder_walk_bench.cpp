// How much the engine's folder walk costs over the least a scan must do.
//
//   folder_walk_bench [files=100000] [rounds=5]
//
// Builds (once) a synthetic tree of nested folders with files of varied
// sizes, then times, interleaved round by round:
//   (a) a plain FindFirstFileW/FindNextFileW enumeration of the tree,
//   (b) the same plus one open/close per file (the least a walk that skips
//       files in use must do),
//   (c) the engine's report-only scan of the tree through its folder walk,
//       with a scan callback that only counts.
// and prints the medians and the ratios (c)/(a) and (c)/(b).
#include "core/ScrubcoreApp.h"
#include "files/FilePrimitives.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const std::wstring kBase = L"C:\\nimbrel-bench";
const std::wstring kRoot = kBase + L"\\tree";

struct Counts {
    unsigned long long files = 0;
    unsigned long long bytes = 0;
};

void MakeFolders(const std::wstring& path) {
    const auto pos = path.rfind(L'\\');
    if (pos != std::wstring::npos && pos > 2 &&
        GetFileAttributesW(path.substr(0, pos).c_str()) == INVALID_FILE_ATTRIBUTES) {
        MakeFolders(path.substr(0, pos));
    }
    CreateDirectoryW(path.c_str(), nullptr);
}

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
            MakeFolders(folder);
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

// (a) and (b): a recursive enumeration, with or without the open test.
void Enumerate(const std::wstring& folder, bool openEach, Counts& counts) {
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
        if (openEach) {
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

double Seconds(const std::chrono::steady_clock::time_point& start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const unsigned files = argc > 1 ? static_cast<unsigned>(_wtoi(argv[1])) : 100000u;
    const int rounds = argc > 2 ? _wtoi(argv[2]) : 5;
    BuildTree(files);

    scrub::theApp.scanCallback = &CountFound;
    scrub::theApp.processMessage = &NoMessages;
    scrub::theApp.deleteMode = false;

    std::vector<double> a, b, c;
    Counts countsA, countsB;
    for (int round = 0; round < rounds + 1; ++round) {
        Counts plain, opened;
        auto start = std::chrono::steady_clock::now();
        Enumerate(kRoot, false, plain);
        const double ta = Seconds(start);

        start = std::chrono::steady_clock::now();
        Enumerate(kRoot, true, opened);
        const double tb = Seconds(start);

        // Each round is a scan of its own: a new count, in which every file
        // is reported and measured again (as the host's per-category clear).
        engineFound = 0;
        scrub::theApp.totalKilobytes = 0;
        scrub::theApp.ForgetReportedTraces();
        start = std::chrono::steady_clock::now();
        scrub::WalkFolder(kRoot);
        const double tc = Seconds(start);

        if (round == 0) {
            continue; // warms the file system's caches
        }
        a.push_back(ta);
        b.push_back(tb);
        c.push_back(tc);
        countsA = plain;
        countsB = opened;
    }
    const double ma = Median(a), mb = Median(b), mc = Median(c);
    std::printf("files in tree: %llu (%.1f MB); engine reported %llu, size total %.0f KB\n", countsA.files,
                countsA.bytes / 1048576.0, engineFound, scrub::theApp.totalKilobytes);
    std::printf("median of %d rounds:\n", rounds);
    std::printf("  (a) enumeration only           %8.3f s\n", ma);
    std::printf("  (b) enumeration + open/close   %8.3f s\n", mb);
    std::printf("  (c) engine folder walk (scan)  %8.3f s\n", mc);
    std::printf("ratios: (c)/(a) = %.2f   (c)/(b) = %.2f   (target (c)/(b) <= 1.3)\n", mc / ma, mc / mb);
    return 0;
}
