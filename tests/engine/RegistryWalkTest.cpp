// The registry walks, the value handler and the value-has-data test.
#include "BrowserTraces.h"
#include "EngineRecorder.h"
#include "TestRegistry.h"

#include "registry/RegistryPrimitives.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class RegistryWalk : public ::testing::Test {
protected:
    const std::wstring key = L"Software\\NimbrelTests\\Walk";
    std::wstring Text(const std::wstring& subkey, const std::wstring& value) const {
        return L"HKEY_CURRENT_USER||" + subkey + L"=" + value;
    }
    void TearDown() override { TestRegistry::DeleteTree(HKEY_CURRENT_USER, L"Software\\NimbrelTests"); }
    EngineRecorder recorder;
    TestRegistry registry;
};

} // namespace

TEST_F(RegistryWalk, ReportsValuesWithDataAndCountsEveryValue) {
    registry.String(HKEY_CURRENT_USER, key, L"a", L"x");
    registry.String(HKEY_CURRENT_USER, key, L"b", L"");
    registry.String(HKEY_CURRENT_USER, key, L"MRUList", L"ba");

    scrub::WalkRegistryKey(HKEY_CURRENT_USER, key);

    EXPECT_EQ(Sorted({Text(key, L"MRUList"), Text(key, L"a")}), Sorted(recorder.found));
    EXPECT_EQ(3u, scrub::theApp.registryValues);
    EXPECT_EQ(2, recorder.pumps);
    EXPECT_EQ(3u, ValueNames(HKEY_CURRENT_USER, key).size()) << "a scan deletes nothing";
}

TEST_F(RegistryWalk, DeleteModeEmptiesTheKeyWithoutReporting) {
    registry.String(HKEY_CURRENT_USER, key, L"a", L"x");
    registry.String(HKEY_CURRENT_USER, key, L"b", L"");
    registry.String(HKEY_CURRENT_USER, key, L"MRUList", L"ba");
    Privacy_CheckDelete(1);

    scrub::WalkRegistryKey(HKEY_CURRENT_USER, key);

    EXPECT_TRUE(recorder.found.empty());
    EXPECT_EQ(3u, scrub::theApp.registryValues);
    EXPECT_TRUE(ValueNames(HKEY_CURRENT_USER, key).empty());
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, key)) << "keys are never deleted by the walk";
}

TEST_F(RegistryWalk, AKeyTheUserMayOnlyReadIsScannedAndLeftAloneWhenDeleting) {
    registry.String(HKEY_CURRENT_USER, key, L"a", L"x");
    registry.String(HKEY_CURRENT_USER, key, L"b", L"y");
    const std::wstring user = CurrentUserSidText();
    SetAccessList(HKEY_CURRENT_USER, key, (L"D:P(A;;KR;;;" + user + L")").c_str());

    scrub::WalkRegistryKey(HKEY_CURRENT_USER, key);
    EXPECT_EQ(Sorted({Text(key, L"a"), Text(key, L"b")}), Sorted(recorder.found))
        << "reading is all a scan needs";

    recorder.Clear();
    Privacy_CheckDelete(1);
    scrub::WalkRegistryKey(HKEY_CURRENT_USER, key);
    EXPECT_TRUE(recorder.found.empty());
    EXPECT_EQ(2u, ValueNames(HKEY_CURRENT_USER, key).size());

    SetAccessList(HKEY_CURRENT_USER, key, (L"D:P(A;;KA;;;" + user + L")").c_str());
}

TEST_F(RegistryWalk, ValueTypesDecideWhatIsATrace) {
    registry.Dword(HKEY_CURRENT_USER, key, L"dword zero", 0);
    registry.Binary(HKEY_CURRENT_USER, key, L"binary empty", "");
    registry.Binary(HKEY_CURRENT_USER, key, L"binary", std::string("\0", 1));
    registry.Qword(HKEY_CURRENT_USER, key, L"qword", 5);
    registry.ExpandString(HKEY_CURRENT_USER, key, L"expand empty", L"");
    registry.MultiString(HKEY_CURRENT_USER, key, L"multi", L"first");
    registry.MultiString(HKEY_CURRENT_USER, key, L"multi empty", L"");
    registry.Raw(HKEY_CURRENT_USER, key, L"none", REG_NONE, "abc", 3);
    registry.Raw(HKEY_CURRENT_USER, key, L"big endian", REG_DWORD_BIG_ENDIAN, "abcd", 4);
    registry.Raw(HKEY_CURRENT_USER, key, L"unterminated", REG_SZ, L"ab", 4); // no terminator stored
    registry.Raw(HKEY_CURRENT_USER, key, L"odd byte", REG_SZ, "a", 1);

    scrub::WalkRegistryKey(HKEY_CURRENT_USER, key);

    EXPECT_EQ(Sorted({Text(key, L"binary"), Text(key, L"dword zero"), Text(key, L"expand empty"),
                      Text(key, L"multi"), Text(key, L"unterminated")}),
              Sorted(recorder.found));
    EXPECT_EQ(11u, scrub::theApp.registryValues);
}

TEST_F(RegistryWalk, DefaultValueIsWalkedLikeAnyOther) {
    registry.String(HKEY_CURRENT_USER, key, L"", L"default text");
    scrub::WalkRegistryKey(HKEY_CURRENT_USER, key);
    EXPECT_EQ(std::vector<std::wstring>{Text(key, L"")}, recorder.found);
}

TEST_F(RegistryWalk, NamesOutsideTheAnsiCodePageAndVeryLongNamesAreFound) {
    const std::wstring unicode = L"\u65e5\u672c\u8a9e \u0416\u0443\u0440\u043d\u0430\u043b.doc";
    const std::wstring longName(3000, L'n');
    registry.String(HKEY_CURRENT_USER, key, unicode, L"x");
    registry.String(HKEY_CURRENT_USER, key, longName, L"y");
    registry.String(HKEY_CURRENT_USER, key, L"after", L"z");

    scrub::WalkRegistryKey(HKEY_CURRENT_USER, key);
    EXPECT_EQ(Sorted({Text(key, unicode), Text(key, longName), Text(key, L"after")}), Sorted(recorder.found));

    recorder.Clear();
    Privacy_CheckDelete(1);
    scrub::WalkRegistryKey(HKEY_CURRENT_USER, key);
    EXPECT_TRUE(ValueNames(HKEY_CURRENT_USER, key).empty());
}

TEST_F(RegistryWalk, SubkeyWalkReportsEveryDepthButNotTheKeysOwnValues) {
    registry.String(HKEY_CURRENT_USER, key, L"own", L"not mine to report");
    registry.String(HKEY_CURRENT_USER, key + L"\\.doc", L"0", L"letter.doc");
    registry.Binary(HKEY_CURRENT_USER, key + L"\\.doc\\deeper", L"MRUListEx", "\x01\x02");
    registry.String(HKEY_CURRENT_USER, key + L"\\Folder", L"1", L"C:\\x");

    scrub::WalkRegistrySubkeys(HKEY_CURRENT_USER, key);

    EXPECT_EQ(Sorted({Text(key + L"\\.doc", L"0"), Text(key + L"\\.doc\\deeper", L"MRUListEx"),
                      Text(key + L"\\Folder", L"1")}),
              Sorted(recorder.found));
    EXPECT_EQ(3u, scrub::theApp.registryValues);
    // A pump per reported value and one per subkey walked.
    EXPECT_EQ(3 + 3, recorder.pumps);
}

TEST_F(RegistryWalk, StopRequestEndsWalksAtTheirNextEntry) {
    for (int i = 0; i < 10; ++i) {
        registry.String(HKEY_CURRENT_USER, key, std::to_wstring(i), L"x");
        registry.String(HKEY_CURRENT_USER, key + L"\\sub" + std::to_wstring(i), L"v", L"x");
    }
    recorder.onFound = [](const std::wstring&) { Privacy_StopScan(1); };
    scrub::WalkRegistryKey(HKEY_CURRENT_USER, key);
    EXPECT_EQ(1u, recorder.found.size());
    EXPECT_EQ(1u, scrub::theApp.registryValues);

    recorder.Clear();
    Privacy_StopScan(0);
    scrub::WalkRegistrySubkeys(HKEY_CURRENT_USER, key);
    EXPECT_EQ(1u, recorder.found.size());

    recorder.Clear();
    scrub::WalkRegistrySubkeys(HKEY_CURRENT_USER, key); // still stopped
    scrub::HandleRegistryValue(HKEY_CURRENT_USER, key, L"1");
    EXPECT_TRUE(recorder.found.empty());
}

TEST_F(RegistryWalk, ValueHandlerReportsOneNamedValue) {
    registry.String(HKEY_CURRENT_USER, key, L"LastKey", L"My Computer\\HKEY_CURRENT_USER");
    registry.String(HKEY_CURRENT_USER, key, L"", L"default");
    registry.String(HKEY_CURRENT_USER, key, L"Blank", L"");

    scrub::HandleRegistryValue(HKEY_CURRENT_USER, key, L"LastKey");
    scrub::HandleRegistryValue(HKEY_CURRENT_USER, key, L"Missing");
    scrub::HandleRegistryValue(HKEY_CURRENT_USER, key + L"\\missing key", L"LastKey");
    EXPECT_EQ(std::vector<std::wstring>{Text(key, L"LastKey")}, recorder.found);
    EXPECT_EQ(1u, scrub::theApp.registryValues);
    EXPECT_EQ(1, recorder.pumps);

    // The default value and an empty text are counted but not reported.
    recorder.Clear();
    scrub::HandleRegistryValue(HKEY_CURRENT_USER, key, L"");
    scrub::HandleRegistryValue(HKEY_CURRENT_USER, key, L"Blank");
    EXPECT_TRUE(recorder.found.empty());
    EXPECT_EQ(3u, scrub::theApp.registryValues);
    EXPECT_EQ(1, recorder.pumps); // the default value held data

    Privacy_CheckDelete(1);
    scrub::HandleRegistryValue(HKEY_CURRENT_USER, key, L"LastKey");
    scrub::HandleRegistryValue(HKEY_CURRENT_USER, key, L"");
    EXPECT_TRUE(ValueNames(HKEY_CURRENT_USER, key) == std::vector<std::wstring>{L"Blank"});
    EXPECT_EQ(5u, scrub::theApp.registryValues);
}

TEST_F(RegistryWalk, ValueHasDataMatchesNamesIgnoringCaseAndSplitsAtTheLastEquals) {
    registry.String(HKEY_CURRENT_USER, key, L"Start Page", L"http://example.org/");
    registry.String(HKEY_CURRENT_USER, key + L"\\a=b", L"c", L"in the key with an equals sign");

    EXPECT_TRUE(scrub::ValueHasData(L"HKEY_CURRENT_USER", key + L"=start page"));
    EXPECT_FALSE(scrub::ValueHasData(L"HKEY_CURRENT_USER", key + L"=Missing"));
    EXPECT_FALSE(scrub::ValueHasData(L"hkey_current_user", key + L"=Start Page"));
    EXPECT_FALSE(scrub::ValueHasData(L"HKEY_CURRENT_USER", key)); // no value part
    EXPECT_TRUE(scrub::ValueHasData(L"HKEY_CURRENT_USER", key + L"\\a=b=c"));
}

TEST_F(RegistryWalk, KeysAreClosedOnEveryPath) {
    registry.String(HKEY_CURRENT_USER, key, L"a", L"x");
    registry.String(HKEY_CURRENT_USER, key, L"b", L"x");
    registry.String(HKEY_CURRENT_USER, key + L"\\sub", L"c", L"x");
    DWORD before = 0;
    ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &before));
    for (int round = 0; round < 50; ++round) {
        Privacy_StopScan(0);
        recorder.onFound = [round](const std::wstring&) {
            if (round % 2) {
                Privacy_StopScan(1);
            }
        };
        scrub::WalkRegistryKey(HKEY_CURRENT_USER, key);
        scrub::WalkRegistrySubkeys(HKEY_CURRENT_USER, key);
        scrub::HandleRegistryValue(HKEY_CURRENT_USER, key, L"a");
        scrub::HandleRegistryValue(HKEY_CURRENT_USER, key, L"missing");
    }
    DWORD after = 0;
    ASSERT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &after));
    EXPECT_EQ(before, after);
}

TEST(RegistryRoots, NamesMapBothWaysExactly) {
    const std::pair<HKEY, const wchar_t*> roots[] = {
        {HKEY_CLASSES_ROOT, L"HKEY_CLASSES_ROOT"},         {HKEY_CURRENT_USER, L"HKEY_CURRENT_USER"},
        {HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE"},       {HKEY_USERS, L"HKEY_USERS"},
        {HKEY_PERFORMANCE_DATA, L"HKEY_PERFORMANCE_DATA"}, {HKEY_CURRENT_CONFIG, L"HKEY_CURRENT_CONFIG"},
    };
    for (const auto& [root, name] : roots) {
        EXPECT_EQ(name, scrub::RootName(root));
        EXPECT_EQ(root, scrub::RootFromName(name));
    }
    EXPECT_EQ(L"", scrub::RootName(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000007))));
    EXPECT_EQ(nullptr, scrub::RootFromName(L"HKCU"));
    EXPECT_EQ(nullptr, scrub::RootFromName(L"Hkey_Current_User"));
}

TEST(RegistryText, ParsesAtTheFirstBarsAndTheLastEquals) {
    scrub::RegistryTextParts parts;
    ASSERT_TRUE(scrub::ParseRegistryText(L"HKEY_CURRENT_USER||Software\\a=b\\c=value", parts));
    EXPECT_EQ(L"HKEY_CURRENT_USER", parts.rootName);
    EXPECT_EQ(L"Software\\a=b\\c", parts.subkey);
    EXPECT_EQ(L"value", parts.valueName);
    ASSERT_TRUE(scrub::ParseRegistryText(L"HKEY_USERS||key=", parts));
    EXPECT_EQ(L"", parts.valueName);
    EXPECT_FALSE(scrub::ParseRegistryText(L"HKEY_USERS||no value", parts));
    EXPECT_FALSE(scrub::ParseRegistryText(L"C:\\a=b.txt", parts));

    EXPECT_TRUE(scrub::IsRegistryText(L"HKEY_LOCAL_MACHINE||SOFTWARE\\x=C:\\path"));
    EXPECT_FALSE(scrub::IsRegistryText(L"C:\\folder||odd=name.txt"));
    EXPECT_FALSE(scrub::IsRegistryText(L"letter.doc"));
}
