// Community rules files: what the reader takes from them, what it refuses,
// and a rules file of our own run on a profile a user left behind.
#include "EngineRecorder.h"
#include "TestFiles.h"
#include "TestRegistry.h"

#include "rules/RuleReader.h"
#include "rules/RuleRunner.h"
#include "scrubcore/CommunityRules.h"

#include <gtest/gtest.h>

#include <shlobj.h>

using namespace testing_support;
using namespace scrub;

namespace {

std::vector<std::wstring> FixedVariables(const std::wstring& name) {
    if (name == L"AppData") {
        return {L"C:\\Users\\me\\AppData\\Roaming"};
    }
    if (name == L"ProgramFiles") {
        return {L"C:\\Program Files", L"C:\\Program Files (x86)"};
    }
    if (name == L"UserProfile") {
        return {SpecialFolderPath(CSIDL_PROFILE)};
    }
    if (name == L"WinDir") {
        return {SpecialFolderPath(CSIDL_WINDOWS)};
    }
    return {};
}

RuleSet Read(const std::string& text) {
    return ReadRules(text, &FixedVariables);
}

} // namespace

TEST(CommunityRules, ReadsEveryFormOfAnEntry) {
    const RuleSet rules = Read("; a comment\r\n"
                               "[Talker *]\r\n"
                               "LangSecRef=3021\r\n"
                               "Detect=HKCU\\Software\\Talker\r\n"
                               "DetectFile=%ProgramFiles%\\Talker*\\talk.exe\r\n"
                               "DetectOS=6.1|\r\n"
                               "Warning=Logs go too.\r\n"
                               "FileKey1=%AppData%\\Talker|*.log;*.tmp|RECURSE\r\n"
                               "FileKey3=%AppData%\\Talker\\Cache|*|REMOVESELF\r\n"
                               "RegKey1=HKCU\\Software\\Talker\\Recent\r\n"
                               "RegKey2=HKLM\\Software\\Talker|LastFile\r\n"
                               "ExcludeKey1=FILE|%AppData%\\Talker\\|keep.log\r\n"
                               "ExcludeKey2=PATH|%AppData%\\Talker\\Saved\\\r\n"
                               "Default=True\r\n"
                               "[Player]\nSection=Games\nFileKey1=%AppData%\\Player|*.dmp\n");
    ASSERT_EQ(2u, rules.entries.size());
    EXPECT_EQ(0u, rules.skipped);
    const RuleEntry& talker = rules.entries[0];
    EXPECT_EQ(L"Talker", talker.name);
    EXPECT_EQ(L"Applications", talker.group);
    EXPECT_EQ(L"Logs go too.", talker.warning);
    EXPECT_EQ(601u, talker.osMin);
    EXPECT_EQ(0u, talker.osMax);
    ASSERT_EQ(1u, talker.detectKeys.size());
    EXPECT_EQ(L"Software\\Talker", talker.detectKeys[0].key);
    // Program Files stands for both of its folders.
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\Program Files\\Talker*\\talk.exe",
                                         L"C:\\Program Files (x86)\\Talker*\\talk.exe"}),
              talker.detectFiles);
    ASSERT_EQ(2u, talker.fileKeys.size());
    EXPECT_EQ(L"C:\\Users\\me\\AppData\\Roaming\\Talker", talker.fileKeys[0].folder);
    EXPECT_EQ((std::vector<std::wstring>{L"*.log", L"*.tmp"}), talker.fileKeys[0].patterns);
    EXPECT_TRUE(talker.fileKeys[0].recurse);
    EXPECT_TRUE(talker.fileKeys[1].removeSelf);
    ASSERT_EQ(2u, talker.regKeys.size());
    EXPECT_TRUE(talker.regKeys[0].wholeKey);
    EXPECT_EQ(HKEY_LOCAL_MACHINE, talker.regKeys[1].hive);
    EXPECT_EQ(L"LastFile", talker.regKeys[1].value);
    ASSERT_EQ(2u, talker.exclusions.size());
    EXPECT_EQ(RuleExclusion::Kind::Path, talker.exclusions[1].kind);
    EXPECT_EQ(L"Games", rules.entries[1].group);
    EXPECT_EQ(L"2 entries read, 0 skipped", RulesSummary(rules));
}

TEST(CommunityRules, SkipsWholeEntriesThatAreNotSound) {
    const std::string longLine = "FileKey1=%AppData%\\" + std::string(100000, 'x') + "|*.log\n";
    const struct {
        const char* what;
        std::string entry;
    } cases[] = {
        {"a key without |", "FileKey1=%AppData%\\Talker\n"},
        {"an unknown flag", "FileKey1=%AppData%\\Talker|*.log|DEEP\n"},
        {"an unknown variable", "FileKey1=%NoSuchFolder%\\Talker|*.log\n"},
        {"an unmatched percent", "FileKey1=%AppData\\Talker|*.log\n"},
        {"a line without =", "FileKey1=%AppData%\\Ok|*.log\njust words\n"},
        {"a 100,000-character line", longLine},
        {"an unknown hive", "RegKey1=HKXX\\Software\\Talker\n"},
        {"a bad exclusion", "FileKey1=%AppData%\\T|*.log\nExcludeKey1=%AppData%\\T|a.log\n"},
        {"a drive root", "FileKey1=C:\\|*.log\n"},
        {"a relative folder", "FileKey1=Talker\\Logs|*.log\n"},
        {"..", "FileKey1=%AppData%\\..\\..|*.log|RECURSE\n"},
        {"a raw path", "FileKey1=\\\\?\\C:\\Talker|*.log\n"},
        {"a device", "FileKey1=C:\\Talker\\NUL|*.log\n"},
        {"a pattern with a path", "FileKey1=%AppData%\\Talker|..\\*.log\n"},
        {"Windows walked whole", "FileKey1=%WinDir%|*.log|RECURSE\n"},
        {"Program Files walked whole", "FileKey1=%ProgramFiles%|*.log|REMOVESELF\n"},
        {"the profile walked", "FileKey1=%UserProfile%|*.tmp|RECURSE\n"},
        {"every file of the profile", "FileKey1=%UserProfile%|*\n"},
        {"HKCU\\Software", "RegKey1=HKCU\\Software\n"},
        {"HKLM\\SOFTWARE\\Microsoft\\Windows", "RegKey1=HKLM\\SOFTWARE\\Microsoft\\Windows\\\n"},
        {"CurrentVersion", "RegKey1=HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\n"},
        {"Classes", "RegKey1=HKCU\\Software\\Classes\n"},
        {"Policies", "RegKey1=HKLM\\Software\\Policies\n"},
        {"a whole root", "RegKey1=HKCU\n"},
        {"another user's Software", "RegKey1=HKU\\.DEFAULT\\Software\n"},
        {"a key holding an exclusion",
         "RegKey1=HKCU\\Software\\T\nExcludeKey1=REG|HKCU\\Software\\T\\Keep\n"},
    };
    for (const auto& bad : cases) {
        const RuleSet rules = Read("[Bad *]\n" + bad.entry + "[Good *]\nFileKey1=%AppData%\\Good|*.log\n");
        ASSERT_EQ(1u, rules.entries.size()) << bad.what;
        EXPECT_EQ(L"Good", rules.entries[0].name) << bad.what;
        EXPECT_EQ(1u, rules.skipped) << bad.what;
        ASSERT_EQ(1u, rules.notes.size()) << bad.what;
        EXPECT_EQ(0u, rules.notes[0].find(L"Bad: ")) << bad.what;
    }
    // What Windows keeps is fine once it names the vendor's own key, a
    // single value, or the Windows folder's own files.
    const RuleSet fine = Read("[Fine *]\nRegKey1=HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Talker\n"
                              "RegKey2=HKCU\\Software|Talker\nFileKey1=%WinDir%|*.log\n"
                              "FileKey2=%UserProfile%|*.tmp\n");
    EXPECT_EQ(1u, fine.entries.size()) << (fine.notes.empty() ? L"" : fine.notes[0]);
}

TEST(CommunityRules, ReadsEveryEncodingAndDamageAsFarAsSound) {
    const std::wstring text = L"[Ä Player *]\r\nFileKey1=%AppData%\\Player|*.log\r\n";
    std::string utf16 = "\xFF\xFE";
    for (wchar_t c : text) {
        utf16.push_back(static_cast<char>(c & 0xFF));
        utf16.push_back(static_cast<char>(c >> 8));
    }
    const std::string utf8 = "\xEF\xBB\xBF[\xC3\x84 Player *]\nFileKey1=%AppData%\\Player|*.log";
    for (const std::string& bytes : {utf16, utf8}) {
        const RuleSet rules = Read(bytes);
        ASSERT_EQ(1u, rules.entries.size());
        EXPECT_EQ(L"\u00C4 Player", rules.entries[0].name);
    }
    EXPECT_TRUE(Read(std::string("\x7F"
                                 "ELF\0\0\x01",
                                 7))
                    .notText);
    // Cut off inside its header; a repeated name; the first of two stays.
    const RuleSet damaged =
        Read("[A *]\nFileKey1=%AppData%\\A|*.log\n[A *]\nFileKey1=%AppData%\\B|*.log\n[Cut");
    ASSERT_EQ(1u, damaged.entries.size());
    EXPECT_EQ(L"C:\\Users\\me\\AppData\\Roaming\\A", damaged.entries[0].fileKeys[0].folder);
    EXPECT_EQ(
        L"1 entries read, 2 skipped: A: repeats an earlier entry's name; Cut: has a damaged header line",
        RulesSummary(damaged));
}

TEST(CommunityRules, RunsAnEntryOnAUsersProfile) {
    EngineRecorder recorder;
    TestRegistry registry;
    const std::wstring appData = SpecialFolderPath(CSIDL_APPDATA);
    TestFolder talker = TestFolder::At(appData + L"\\Talker Test");
    const std::wstring log = talker.File(L"talk.log", 10);
    const std::wstring kept = talker.File(L"keep.log", 10);
    talker.File(L"settings.ini", 10);
    const std::wstring deep = talker.File(L"Logs\\2025\\old.log", 10);
    const std::wstring saved = talker.File(L"Saved\\chat.log", 10);
    const std::wstring cached = talker.File(L"Cache-7\\Pages\\a.bin", 20);
    talker.File(L"Cache-7\\Pages\\empty.bin", 0);
    // "*.*" takes a name without an extension too, as Windows matches it.
    const std::wstring journal = talker.File(L"Journal\\000003", 30);
    registry.String(HKEY_CURRENT_USER, L"Software\\NimbrelTests\\Talker\\Recent", L"file1", L"C:\\a.txt");
    registry.String(HKEY_CURRENT_USER, L"Software\\NimbrelTests\\Talker\\Recent\\Older", L"file2",
                    L"C:\\b.txt");
    registry.String(HKEY_CURRENT_USER, L"Software\\NimbrelTests\\Talker", L"Last", L"C:\\c.txt");
    registry.String(HKEY_CURRENT_USER, L"Software\\NimbrelTests\\Talker", L"Theme", L"dark");
    const std::string rulesText =
        "[Talker *]\nDetectFile=%AppData%\\Talker T*\n"
        "FileKey1=%AppData%\\Talker Test|*.log|RECURSE\n"
        "FileKey2=%AppData%\\Talker Test\\Cache-?|*|REMOVESELF\n"
        "FileKey3=%AppData%\\Talker Test\\Journal|*.*\n"
        "RegKey1=HKCU\\Software\\NimbrelTests\\Talker\\Recent\n"
        "RegKey2=HKCU\\Software\\NimbrelTests\\Talker|Last\n"
        "ExcludeKey1=FILE|%AppData%\\Talker Test\\|keep.log\n"
        "ExcludeKey2=PATH|%AppData%\\Talker Test\\Sav*\\\n"
        "[Absent *]\nDetectFile=%AppData%\\No Such Program\nFileKey1=%AppData%|*.log\n";
    const RuleSet rules = ReadRules(rulesText, MachineRuleVariables());
    ASSERT_EQ(2u, rules.entries.size()) << RulesSummary(rules);
    EXPECT_TRUE(RuleDetected(rules.entries[0]));
    EXPECT_FALSE(RuleDetected(rules.entries[1]));

    const std::vector<std::wstring> before = Snapshot(talker.Path());
    RunRule(rules.entries[0]);
    const std::wstring key = L"HKEY_CURRENT_USER||Software\\NimbrelTests\\Talker";
    EXPECT_EQ(Sorted({log, deep, cached, talker.Path(L"Cache-7\\Pages\\empty.bin"), journal,
                      key + L"\\Recent=file1", key + L"\\Recent\\Older=file2", key + L"=Last"}),
              Sorted(recorder.found));
    EXPECT_EQ(before, Snapshot(talker.Path())); // a report-only scan changes nothing

    // Cleaning as the program does it: each found item, then the folders
    // the entry takes whole.
    for (const std::wstring& found : std::vector<std::wstring>(recorder.found)) {
        EXPECT_EQ(1, Privacy_CleanSelitems(found.c_str())) << found;
    }
    RemoveEmptiedRuleFolders(rules.entries[0]);
    EXPECT_FALSE(FileExists(log));
    EXPECT_FALSE(FileExists(deep));
    EXPECT_TRUE(FileExists(kept));
    EXPECT_TRUE(FileExists(saved));
    EXPECT_TRUE(FileExists(talker.Path(L"settings.ini")));
    EXPECT_FALSE(FolderExists(talker.Path(L"Cache-7"))); // REMOVESELF: emptied and gone
    HKEY theme = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\NimbrelTests\\Talker", 0, KEY_READ, &theme));
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExW(theme, L"Theme", nullptr, nullptr, nullptr, nullptr));
    EXPECT_NE(ERROR_SUCCESS, RegQueryValueExW(theme, L"Last", nullptr, nullptr, nullptr, nullptr));
    RegCloseKey(theme);
    TestRegistry::DeleteTree(HKEY_CURRENT_USER, L"Software\\NimbrelTests");
}

TEST(CommunityRules, ExportsLoadAFileAndNameItsEntries) {
    EngineRecorder recorder;
    TestFolder folder;
    const std::wstring file = folder.FileWithContent(
        L"winapp2.ini", "[Talker *]\nSection=Chat\nWarning=Careful\n"
                        "FileKey1=%AppData%\\Talker|*.log\n[Bad *]\nFileKey1=C:\\|*\n");
    EXPECT_EQ(1, Scrubcore_LoadRules(file.c_str()));
    EXPECT_EQ(1, Scrubcore_RulesCount());
    EXPECT_EQ(1, Scrubcore_RulesSkipped());
    wchar_t text[64];
    EXPECT_EQ(7, Scrubcore_RuleText(0, SCRUBCORE_RULE_NAME, text, 64));
    EXPECT_STREQ(L"Talker", text);
    Scrubcore_RuleText(0, SCRUBCORE_RULE_GROUP, text, 64);
    EXPECT_STREQ(L"Chat", text);
    EXPECT_EQ(8, Scrubcore_RuleText(0, SCRUBCORE_RULE_WARNING, text, 4));
    EXPECT_STREQ(L"Car", text);
    EXPECT_EQ(0, Scrubcore_RuleText(1, SCRUBCORE_RULE_NAME, text, 64));
    EXPECT_EQ(1, Scrubcore_RuleDetected(0));
    EXPECT_EQ(0, Scrubcore_RuleDetected(5));
    EXPECT_EQ(1, Scrubcore_RunRule(-1));
    EXPECT_EQ(0, Scrubcore_LoadRules(folder.Path(L"missing.ini").c_str()));
    EXPECT_EQ(0, Scrubcore_RulesCount());
}
