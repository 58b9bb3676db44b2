// nimbrel-demo seed | scan | clean
//   seed   leaves sample traces of every category in the prefix
//   scan   a report-only scan of every demo item: each found item under its
//          item's label, then the totals
//   clean  scans, hands every found item to Privacy_CleanSelitems, and scans
//          again to show what is left
#include "Demo.h"
#include "win32/Text.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using ItemFunction = int (*)(unsigned char);
using ScanCallBack = int (*)(BSTR, int);
using ProcessMessage = int (*)();

struct Engine {
    HMODULE module = nullptr;
    template <class F> F Get(const char* name) const {
        return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
};

std::vector<std::wstring>* currentFound = nullptr;

int CollectFound(BSTR text, int) {
    currentFound->emplace_back(text, SysStringLen(text));
    return 0;
}

int NoMessages() {
    return 0;
}

void Print(const std::wstring& text) {
    // The console shows UTF-8; found texts may hold any character.
    const std::string out = win32::Utf8FromUtf16(text);
    std::fputs(out.c_str(), stdout);
    std::fputc('\n', stdout);
}

struct Found {
    const demo::DemoCategory* category;
    const demo::DemoItem* item;
    std::vector<std::wstring> texts;
};

std::vector<Found> Scan(const Engine& engine, bool print) {
    std::vector<Found> results;
    auto setScan = engine.Get<int (*)(ScanCallBack)>("Scrubcore_SetScanCallBack");
    auto setPump = engine.Get<int (*)(ProcessMessage)>("Scrubcore_SetProcessMessage");
    auto stop = engine.Get<int (*)(unsigned char)>("Privacy_StopScan");
    auto clearSize = engine.Get<int (*)()>("Privacy_ClearFilesSize");
    auto getSize = engine.Get<int (*)(char*)>("Privacy_GetFilesSize");
    auto init = engine.Get<int (*)()>("PrivacyInit");
    auto files = engine.Get<int (*)()>("Privacy_Nooffiles");
    auto values = engine.Get<int (*)()>("Privacy_NoRegvalues");
    setPump(&NoMessages);
    setScan(&CollectFound);
    stop(0);
    init();
    long long totalFound = 0;
    double totalKilobytes = 0;
    for (const demo::DemoCategory* category : demo::Categories()) {
        clearSize();
        if (print) {
            Print(L"");
            Print(L"== " + std::wstring(category->name) + L" ==");
        }
        for (const demo::DemoItem& item : category->items) {
            Found found{category, &item, {}};
            currentFound = &found.texts;
            auto function = engine.Get<ItemFunction>(item.exportName);
            if (!function) {
                if (print) {
                    Print(L"  " + std::wstring(item.label) + L": (not exported)");
                }
                continue;
            }
            function(0);
            totalFound += static_cast<long long>(found.texts.size());
            if (print && !found.texts.empty()) {
                Print(L"  " + std::wstring(item.label) + L" (" + std::to_wstring(found.texts.size()) + L")");
                for (const auto& text : found.texts) {
                    Print(L"      " + text);
                }
            }
            results.push_back(std::move(found));
        }
        char size[64] = {};
        getSize(size);
        totalKilobytes += std::atof(size);
        if (print) {
            std::printf("  -- %s KB\n", size);
        }
    }
    if (print) {
        std::printf(
            "\nFound items: %lld   files and values counted: %d (registry values: %d)   size: %.2f KB\n",
            totalFound, files(), values(), totalKilobytes);
    }
    currentFound = nullptr;
    return results;
}

void Clean(const Engine& engine, const std::vector<Found>& results) {
    auto cleanOne = engine.Get<int (*)(const wchar_t*)>("Privacy_CleanSelitems");
    auto clearSize = engine.Get<int (*)()>("Privacy_ClearFilesSize");
    auto getSize = engine.Get<int (*)(char*)>("Privacy_GetFilesSize");
    clearSize();
    size_t cleaned = 0;
    for (const Found& found : results) {
        for (const auto& text : found.texts) {
            cleanOne(text.c_str());
            ++cleaned;
        }
    }
    char size[64] = {};
    getSize(size);
    std::printf("\nCleaned %zu found items, %s KB removed.\n", cleaned, size);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"scan";
    if (command == L"seed") {
        for (const demo::DemoCategory* category : demo::Categories()) {
            category->seed();
        }
        std::printf("Seeded sample traces of %zu categories.\n", demo::Categories().size());
        return 0;
    }
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring programFolder = argc > 2 ? argv[2] : L"";
    Engine engine;
    engine.module = LoadLibraryW((programFolder + L"\\Scrubcore.dll").c_str());
    if (!engine.module) {
        Print(L"Cannot load " + programFolder + L"\\Scrubcore.dll");
        return 1;
    }
    if (command == L"scan") {
        Scan(engine, true);
        return 0;
    }
    if (command == L"clean") {
        const auto results = Scan(engine, true);
        Clean(engine, results);
        std::printf("\nWhat is left after cleaning:\n");
        Scan(engine, true);
        return 0;
    }
    Print(L"usage: nimbrel-demo seed | scan <program folder> | clean <program folder>");
    return 2;
}
