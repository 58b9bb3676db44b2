// The DLL itself: exact export names, shared bodies, and a round trip
// through the exported interface of the real library.
#include "DllExports.h"
#include "TestFiles.h"
#include "TestProcess.h"

#include "core/WorkerPool.h"
#include "scrubcore/Scrubcore.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>

using namespace testing_support;

TEST(ScrubcoreDll, ExportsTheControlFunctionsUnderTheirExactNames) {
    const char* control[] = {"PrivacyInit",
                             "Privacy_ClearAll",
                             "Scrubcore_SetScanCallBack",
                             "Scrubcore_SetProcessMessage",
                             "Scrubcore_NoofTimesOverwrite",
                             "Privacy_CheckDelete",
                             "Privacy_StopScan",
                             "Privacy_Nooffiles",
                             "Privacy_NoRegvalues",
                             "Privacy_GetFilesSize",
                             "Privacy_ClearFilesSize",
                             "Privacy_CleanSelitems",
                             "Scrubcore_SetCookieSitesToKeep",
                             "Scrubcore_CompactDatabases",
                             "Scrubcore_ListCookieSites",
                             "Scrubcore_LoadRules",
                             "Scrubcore_RulesCount",
                             "Scrubcore_RulesSkipped",
                             "Scrubcore_RuleText",
                             "Scrubcore_RuleDetected",
                             "Scrubcore_RunRule",
                             "Scrubcore_RuleRemoveEmptied",
                             "Scrubcore_KeepFile"};
    const auto& names = ScrubcoreExportNames();
    ASSERT_FALSE(names.empty()) << "Scrubcore.dll did not load from the program folder";
    for (const char* name : control) {
        EXPECT_TRUE(names.count(name)) << name;
    }
    EXPECT_EQ(ScrubcoreExport("PrivacyInit"), ScrubcoreExport("Privacy_ClearAll")) << "one body, two names";
}

TEST(ScrubcoreDll, ExportsOnlyUndecoratedNames) {
    for (const auto& name : ScrubcoreExportNames()) {
        EXPECT_EQ(std::string::npos, name.find_first_of("@?$")) << name;
        EXPECT_TRUE(name.rfind("Privacy", 0) == 0 || name.rfind("Scrubcore_", 0) == 0) << name;
    }
}

namespace {

std::vector<std::wstring> dllFound;
int DllPumps = 0;
int DllScanCallBack(BSTR text, int) {
    dllFound.emplace_back(text, SysStringLen(text));
    return 0;
}
int DllProcessMessage() {
    return ++DllPumps;
}

} // namespace

TEST(ScrubcoreDll, CallbacksAndCountersWorkThroughTheLibrary) {
    using SetScan = int (*)(ScrubcoreScanCallBack);
    using SetPump = int (*)(ScrubcoreProcessMessage);
    using NoArgs = int (*)();
    using SizeText = int (*)(char*);
    auto setScan = ScrubcoreFunction<SetScan>("Scrubcore_SetScanCallBack");
    auto setPump = ScrubcoreFunction<SetPump>("Scrubcore_SetProcessMessage");
    auto clearSize = ScrubcoreFunction<NoArgs>("Privacy_ClearFilesSize");
    auto getSize = ScrubcoreFunction<SizeText>("Privacy_GetFilesSize");
    auto init = ScrubcoreFunction<NoArgs>("PrivacyInit");
    auto files = ScrubcoreFunction<NoArgs>("Privacy_Nooffiles");
    ASSERT_TRUE(setScan && setPump && clearSize && getSize && init && files);

    DllPumps = 0;
    EXPECT_EQ(0, setPump(&DllProcessMessage));
    EXPECT_EQ(1, DllPumps);
    EXPECT_EQ(0, setScan(&DllScanCallBack));
    EXPECT_EQ(1, clearSize());
    EXPECT_EQ(1, init());
    char text[SCRUBCORE_FILES_SIZE_TEXT_MAX];
    EXPECT_EQ(1, getSize(text));
    EXPECT_STREQ("0.000000", text);
    EXPECT_EQ(0, files());
    setScan(nullptr);
    setPump(nullptr);
}

// The walk's threads hold the library while they live: one the host frees
// while they wait stays mapped until they have ended by themselves, and then
// goes, without a wait at unload; loaded again, it walks again.
TEST(ScrubcoreDll, AFreedLibraryGoesOnceItsWalkThreadsHaveEnded) {
    wchar_t local[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, local, CSIDL_LOCAL_APPDATA, TRUE));
    const std::wstring localSettings(local, wcsrchr(local, L'\\'));
    TestFolder temp(localSettings + L"\\Temp");
    const std::wstring trace = temp.File(L"trace.tmp", 10);
    for (int i = 0; i < 100; ++i) {
        temp.File(L"more\\f" + std::to_wstring(i) + L".tmp", 10);
    }
    TestFolder copies;
    const std::wstring copy = copies.Path(L"ScrubcoreCopy.dll");
    ASSERT_TRUE(CopyFileW((ProgramFolder() + L"\\Scrubcore.dll").c_str(), copy.c_str(), FALSE));

    for (int load = 0; load < 2; ++load) {
        HMODULE library = LoadLibraryW(copy.c_str());
        ASSERT_NE(nullptr, library);
        using SetScan = int (*)(ScrubcoreScanCallBack);
        using Item = int (*)(unsigned char);
        const auto setScan = reinterpret_cast<SetScan>(
            reinterpret_cast<void*>(GetProcAddress(library, "Scrubcore_SetScanCallBack")));
        const auto tempItem = reinterpret_cast<Item>(
            reinterpret_cast<void*>(GetProcAddress(library, "Privacy_WNDTempFilesDir")));
        ASSERT_TRUE(setScan && tempItem);
        dllFound.clear();
        setScan(&DllScanCallBack);
        EXPECT_EQ(1, tempItem(0));
        EXPECT_NE(dllFound.end(), std::find(dllFound.begin(), dllFound.end(), trace));
        EXPECT_LE(101u, dllFound.size());

        FreeLibrary(library);
        if (scrub::WorkerPool::MachineThreads() > 1) {
            EXPECT_NE(nullptr, GetModuleHandleW(copy.c_str())) << "its idle thread holds it";
        }
        int waited = 0;
        for (; GetModuleHandleW(copy.c_str()) && waited < 10000; waited += 20) {
            Sleep(20);
        }
        EXPECT_EQ(nullptr, GetModuleHandleW(copy.c_str())) << "still loaded after " << waited << " ms";
        Sleep(2 * scrub::WorkerPool::kIdleMilliseconds); // a thread left in the unloaded code would crash
    }
}
