#include "ItemCalls.h"

#include "DllExports.h"

#include "scrubcore/Scrubcore.h"

#include <gtest/gtest.h>

namespace {

DllItemCalls* recording = nullptr;

int RecordFound(BSTR text, int) {
    recording->found.emplace_back(text, SysStringLen(text));
    return 0;
}

int RecordPump() {
    ++recording->pumps;
    return 0;
}

} // namespace

std::vector<std::wstring> FoundBy(EngineRecorder& recorder, ItemFunction item) {
    recorder.Clear();
    EXPECT_EQ(1, item(0));
    return recorder.found;
}

std::vector<std::wstring> Concat(std::vector<std::wstring> first, const std::vector<std::wstring>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

CurrentDirectory::CurrentDirectory(const wchar_t* path) {
    GetCurrentDirectoryW(MAX_PATH, saved_);
    SetCurrentDirectoryW(path);
}

CurrentDirectory::~CurrentDirectory() {
    SetCurrentDirectoryW(saved_);
}

DllItemCalls CallStoppedItems(const std::vector<const char*>& names) {
    using Flag = int (*)(unsigned char);
    DllItemCalls calls;
    auto setScan = ScrubcoreFunction<int (*)(ScrubcoreScanCallBack)>("Scrubcore_SetScanCallBack");
    auto setPump = ScrubcoreFunction<int (*)(ScrubcoreProcessMessage)>("Scrubcore_SetProcessMessage");
    auto stop = ScrubcoreFunction<Flag>("Privacy_StopScan");
    auto deleting = ScrubcoreFunction<Flag>("Privacy_CheckDelete");
    if (!setScan || !setPump || !stop || !deleting) {
        calls.missing = names.size();
        return calls;
    }
    recording = &calls;
    setScan(&RecordFound);
    setPump(&RecordPump);
    calls.pumps = 0; // the registration call itself
    stop(1);
    deleting(1);
    for (const char* name : names) {
        const auto item = ScrubcoreFunction<ItemFunction>(name);
        if (!item) {
            ++calls.missing;
            continue;
        }
        calls.allReturnedOne = calls.allReturnedOne && item(0) == 1;
    }
    deleting(0);
    stop(0);
    setScan(nullptr);
    setPump(nullptr);
    recording = nullptr;
    return calls;
}
