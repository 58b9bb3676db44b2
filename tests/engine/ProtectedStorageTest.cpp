// The auto-complete item: the user identity text, and the store that only
// the system may read, opened for the walk and locked again afterwards.
#include "BrowserTraces.h"
#include "EngineRecorder.h"

#include "catalogue/browsers/UserIdentity.h"
#include "scrubcore/BrowserItems.h"
#include "scrubcore/Scrubcore.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace testing_support;

namespace {

struct OwnedSid {
    PSID sid = nullptr;
    OwnedSid(SID_IDENTIFIER_AUTHORITY authority, std::initializer_list<DWORD> parts) {
        DWORD p[8] = {};
        std::copy(parts.begin(), parts.end(), p);
        AllocateAndInitializeSid(&authority, static_cast<BYTE>(parts.size()), p[0], p[1], p[2], p[3], p[4],
                                 p[5], p[6], p[7], &sid);
    }
    ~OwnedSid() { FreeSid(sid); }
};

const std::wstring kStore = L"Software\\Microsoft\\Protected Storage System Provider";
const std::wstring kData = L"\\Data\\e161255a-37c3-11d2-bcaa-00c04fd929db";

std::wstring MachineStoreKey() {
    wchar_t name[256];
    DWORD length = 256;
    GetUserNameW(name, &length);
    return kStore + L"\\" + name + kData;
}

bool CanRead(const std::wstring& key) {
    HKEY opened;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(opened);
    return true;
}

std::vector<std::wstring> AccessLists(const BrowserTraces& traces) {
    std::vector<std::wstring> lists;
    for (const std::wstring& key : traces.storeKeys) {
        lists.push_back(SecurityText(HKEY_CURRENT_USER, key));
    }
    return lists;
}

} // namespace

TEST(UserIdentityText, WritesTheIdentifierTheWayTheSystemDoes) {
    const SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    const OwnedSid user(nt, {21, 100, 200, 300, 1003});
    EXPECT_EQ(L"S-1-5-21-100-200-300-1003", scrub::SidToText(user.sid));
    const OwnedSid system(nt, {18});
    EXPECT_EQ(L"S-1-5-18", scrub::SidToText(system.sid));
    const OwnedSid highLabel(SID_IDENTIFIER_AUTHORITY{{0, 0, 0, 0, 0, 16}}, {12288});
    EXPECT_EQ(L"S-1-16-12288", scrub::SidToText(highLabel.sid));
    // Authorities past one byte, and past 32 bits, as the system writes them.
    const OwnedSid wide(SID_IDENTIFIER_AUTHORITY{{0, 0, 0, 0, 1, 0}}, {7});
    EXPECT_EQ(L"S-1-256-7", scrub::SidToText(wide.sid));
    const OwnedSid huge(SID_IDENTIFIER_AUTHORITY{{0, 1, 0, 0, 0, 0}}, {7});
    EXPECT_EQ(L"S-1-0x000100000000-7", scrub::SidToText(huge.sid));

    std::vector<BYTE> current = scrub::CurrentUserSid();
    ASSERT_FALSE(current.empty());
    EXPECT_EQ(CurrentUserSidText(), scrub::SidToText(current.data()));
    EXPECT_EQ(L"", scrub::SidToText(nullptr));
}

TEST(ProtectedStorage, ReadsTheLockedStoreAndPutsEveryAccessListBack) {
    BrowserTraces traces;
    traces.ProtectedStore();
    const std::wstring store = traces.storeIdentityKey + kData;
    const std::vector<std::wstring> before = AccessLists(traces);
    ASSERT_FALSE(CanRead(store)) << "the store is the system's until the item opens it";

    const ItemScan scan = ScanItem(&Privacy_IEAutoComplData);

    EXPECT_EQ(Sorted({UserValue(store, L"Display String"), UserValue(store, L"Value"),
                      MachineValue(MachineStoreKey(), L"Value")}),
              scan.found);
    // Two values of the user's store, one per run for the machine store's
    // owner, and the machine store's one value.
    EXPECT_EQ(4u, scan.values);
    EXPECT_EQ(before, AccessLists(traces));
    EXPECT_FALSE(CanRead(store));
    EXPECT_FALSE(CanRead(store + kData.substr(kData.rfind(L'\\'))));
}

TEST(ProtectedStorage, AValueTheScanFoundIsCleanedAndTheStoreLockedAgain) {
    BrowserTraces traces;
    traces.ProtectedStore();
    const std::wstring store = traces.storeIdentityKey + kData;
    const std::vector<std::wstring> before = AccessLists(traces);
    const std::wstring chosen = UserValue(store, L"Display String");
    const ItemScan scan = ScanItem(&Privacy_IEAutoComplData);
    ASSERT_EQ(1, std::count(scan.found.begin(), scan.found.end(), chosen));

    // The user stopped a later part of the scan and cleans what it found.
    Privacy_StopScan(1);
    EXPECT_EQ(1, Privacy_CleanSelitems(chosen.c_str()));
    Privacy_StopScan(0);

    EXPECT_EQ(before, AccessLists(traces));
    const ItemScan after = ScanItem(&Privacy_IEAutoComplData);
    EXPECT_EQ(0, std::count(after.found.begin(), after.found.end(), chosen));
    EXPECT_EQ(1, std::count(after.found.begin(), after.found.end(), UserValue(store, L"Value")))
        << "only the chosen value goes";
}

TEST(ProtectedStorage, EveryAccessListComesBackWhenTheWalkEndsEarly) {
    BrowserTraces traces;
    traces.ProtectedStore();
    traces.InternetExplorer();
    const std::wstring store = traces.storeIdentityKey + kData;
    const std::vector<std::wstring> before = AccessLists(traces);
    for (const bool throwing : {false, true}) {
        SCOPED_TRACE(throwing ? "the host fails" : "the user stops");
        EngineRecorder recorder;
        recorder.onFound = [&](const std::wstring& text) {
            if (text.find(L"Display String") == std::wstring::npos) {
                return;
            }
            if (throwing) {
                throw std::runtime_error("host failure");
            }
            Privacy_StopScan(1);
        };
        EXPECT_EQ(1, Privacy_IEAutoComplData(0));
        EXPECT_EQ((std::vector<std::wstring>{
                      UserValue(L"Software\\Microsoft\\Internet Explorer\\IntelliForms", L"AskUser"),
                      UserValue(store, L"Display String")}),
                  recorder.found);
        EXPECT_EQ(before, AccessLists(traces));
    }
}

TEST(ProtectedStorage, AStoreThatIsNotThereChangesNothing) {
    // No store for this user: only the machine store and the other places.
    BrowserTraces traces;
    traces.InternetExplorer();
    const ItemScan scan = ScanItem(&Privacy_IEAutoComplData);
    EXPECT_EQ(std::vector<std::wstring>{UserValue(L"Software\\Microsoft\\Internet Explorer\\IntelliForms",
                                                  L"AskUser")},
              scan.found);
    EXPECT_EQ(2u, scan.values);
}
