// What the community rules cost: reading and detecting a whole rules file,
// and a rule's walk against the walk the built-in items make of the same
// files.
//
//   rules_bench <rules file> [files=20000] [rounds=5]
//
// Times, round by round:
//   (read)   reading the file and asking every entry whether it applies on
//            this machine (the Community tab's and the command line's
//            first need of the rules);
//   (w)      the engine's report-only walk of a tree of `files` files, as
//            a built-in item walks a cache folder;
//   (r)      a rule naming the same folder (FileKey ...|*.*|RECURSE) run
//            report-only through the rules runner;
//   (all)    a report-only run of every entry that applies here;
// and prints the medians and the ratio (r)/(w).
#include "core/ScrubcoreApp.h"
#include "files/FilePrimitives.h"
#include "rules/RuleReader.h"
#include "rules/RuleRunner.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring LocalAppData() {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, path);
    return path;
}

// 20 folders of files from 0 bytes to 8 KB, a third of them two levels
// deeper, built once per size.
void BuildTree(const std::wstring& root, unsigned files) {
    const std::wstring marker = root + L"-complete-" + std::to_wstring(files);
    if (GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return;
    }
    std::printf("building a tree of %u files in %ls ...\n", files, root.c_str());
    const std::string buffer(8192, 'x');
    for (unsigned i = 0; i < files; ++i) {
        const std::wstring folder =
            root + L"\\f" + std::to_wstring(i % 20) + (i % 3 == 0 ? L"\\deep\\er" : L"");
        if (i < 60) {
            SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
        }
        const std::wstring path = folder + L"\\data_" + std::to_wstring(i);
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            continue;
        }
        DWORD written = 0;
        WriteFile(file, buffer.data(), (i * 7919u) % 8192u, &written, nullptr);
        CloseHandle(file);
    }
    CloseHandle(CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_HIDDEN,
                            nullptr));
}

unsigned long long found = 0;
int CountFound(BSTR, int) {
    ++found;
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

// One report-only run: a new count in which every file is reported again.
template <class Run> double Timed(Run run) {
    found = 0;
    scrub::theApp.totalKilobytes = 0;
    scrub::theApp.ForgetReportedTraces();
    const auto start = std::chrono::steady_clock::now();
    run();
    return Seconds(start);
}

std::string ReadWholeFile(const std::wstring& path) {
    std::string bytes;
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return bytes;
    }
    char chunk[65536];
    DWORD read = 0;
    while (::ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) {
        bytes.append(chunk, read);
    }
    CloseHandle(file);
    return bytes;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fputs("usage: rules_bench <rules file> [files=20000] [rounds=5]\n", stderr);
        return 2;
    }
    const std::string bytes = ReadWholeFile(argv[1]);
    const unsigned files = argc > 2 ? static_cast<unsigned>(_wtoi(argv[2])) : 20000u;
    const int rounds = std::max(1, argc > 3 ? _wtoi(argv[3]) : 5);
    if (bytes.empty()) {
        std::printf("rules_bench: cannot read %ls\n", argv[1]);
        return 1;
    }
    scrub::theApp.scanCallback = &CountFound;
    scrub::theApp.processMessage = &NoMessages;
    scrub::theApp.deleteMode = false;

    const std::wstring tree = LocalAppData() + L"\\NimbrelBench\\Cache";
    BuildTree(tree, files);
    const scrub::RuleSet benchRule = scrub::ReadRules(
        "[Nimbrel Bench Cache "
        "*]\r\nLangSecRef=3024\r\nFileKey1=%LocalAppData%\\NimbrelBench\\Cache|*.*|RECURSE\r\n",
        scrub::MachineRuleVariables());
    if (benchRule.entries.size() != 1) {
        std::printf("rules_bench: the bench's own rule did not read\n");
        return 1;
    }

    std::vector<double> reads, readsAlone, walks, ruleWalks, everyEntry;
    scrub::RuleSet rules;
    size_t detected = 0;
    unsigned long long walkFound = 0, ruleFound = 0, everyFound = 0;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        rules = scrub::ReadRules(bytes, scrub::MachineRuleVariables());
        readsAlone.push_back(Seconds(start));
        detected =
            static_cast<size_t>(std::count_if(rules.entries.begin(), rules.entries.end(),
                                              [](const auto& entry) { return scrub::RuleDetected(entry); }));
        reads.push_back(Seconds(start));
        // Alternately first, so neither walk always meets a warm cache.
        auto walk = [&] {
            walks.push_back(Timed([&] { scrub::WalkFolder(tree); }));
            walkFound = found;
        };
        auto ruleWalk = [&] {
            ruleWalks.push_back(Timed([&] { scrub::RunRule(benchRule.entries.front()); }));
            ruleFound = found;
        };
        if (round % 2 == 0) {
            walk();
            ruleWalk();
        } else {
            ruleWalk();
            walk();
        }
        everyEntry.push_back(Timed([&] {
            for (const scrub::RuleEntry& entry : rules.entries) {
                if (scrub::RuleDetected(entry)) {
                    scrub::RunRule(entry);
                }
            }
        }));
        everyFound = found;
    }

    std::printf("rules file: %zu entries read, %zu skipped, %zu apply on this machine\n",
                rules.entries.size(), rules.skipped, detected);
    std::printf("(read)  reading and detecting every entry: %.3f s (median of %d; target at most 0.5 s)\n",
                Median(reads), rounds);
    std::printf("        of which reading alone:              %.3f s\n", Median(readsAlone));
    std::printf("(w)     the built-in walk of %llu files:   %.3f s\n", walkFound, Median(walks));
    std::printf("(r)     the rule's walk of %llu files:     %.3f s\n", ruleFound, Median(ruleWalks));
    std::printf("(r)/(w) = %.2f (target at most 1.10)\n", Median(ruleWalks) / Median(walks));
    std::printf("(all)   every applying entry, report-only: %.3f s, %llu found\n", Median(everyEntry),
                everyFound);
    return 0;
}
