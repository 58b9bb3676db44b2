// Calling cleaning items the way the program does, for the catalogue tests.
#pragma once

#include "EngineRecorder.h"

#include <windows.h>

#include <string>
#include <vector>

using ItemFunction = int (*)(unsigned char);

// What one item reports in a fresh run (the recorder's earlier finds are
// dropped; the modes stay as the test set them).
std::vector<std::wstring> FoundBy(EngineRecorder& recorder, ItemFunction item);

std::vector<std::wstring> Concat(std::vector<std::wstring> first, const std::vector<std::wstring>& second);

struct DllItemCalls {
    std::vector<std::wstring> found; // every scan-callback text, in order
    int pumps = 0;                   // process-message calls after registration
    size_t missing = 0;              // names the library does not export
    bool allReturnedOne = true;
};

// Calls each named item of the real Scrubcore.dll once with the stop request
// set and delete mode on: a stopped item must neither report nor remove
// anything. Both modes are cleared again afterwards.
DllItemCalls CallStoppedItems(const std::vector<const char*>& names);

// Makes a folder the current one for the test's lifetime.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const wchar_t* path);
    ~CurrentDirectory();
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    wchar_t saved_[MAX_PATH] = {};
};
