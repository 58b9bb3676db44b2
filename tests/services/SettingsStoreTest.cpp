// The settings store: where values live, how they are stored and how the
// integers read back.
#include "SettingsStore.h"

#include "TestRegistry.h"

#include <gtest/gtest.h>

using namespace testing_support;
using nimbrel::GetInt;
using nimbrel::GetString;
using nimbrel::SetInt;
using nimbrel::SetString;

namespace {

class SettingsStore : public ::testing::Test {
protected:
    // A product name of the tests' own, so the program's real key is never touched.
    const std::wstring product = L"NimbrelTests Settings";
    const std::wstring key = L"SOFTWARE\\NimbrelTests Settings";
    void SetUp() override { TestRegistry::DeleteTree(HKEY_LOCAL_MACHINE, key); }
    void TearDown() override { TestRegistry::DeleteTree(HKEY_LOCAL_MACHINE, key); }

    // The stored bytes and type of a value, as the registry holds them.
    std::pair<DWORD, std::wstring> Raw(const std::wstring& name) const {
        HKEY k = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) {
            return {REG_NONE, L"<no key>"};
        }
        wchar_t data[64] = {};
        DWORD type = 0;
        DWORD bytes = sizeof data;
        RegQueryValueExW(k, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &bytes);
        RegCloseKey(k);
        return {type, std::wstring(data, bytes / sizeof(wchar_t))};
    }
    TestRegistry registry;
};

} // namespace

TEST_F(SettingsStore, AbsentValuesReadAsZeroOrEmptyAndTheReadCreatesTheKey) {
    EXPECT_EQ(0, GetInt(product, L"autoupdate"));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, key));
    EXPECT_EQ(L"", GetString(product, L"ttf"));
    EXPECT_TRUE(ValueNames(HKEY_LOCAL_MACHINE, key).empty()) << "reading writes no value";
}

TEST_F(SettingsStore, WritesBeforeTheKeyExistsAreDroppedAndSucceedAfterAnyRead) {
    SetInt(product, L"prompt", 1);
    SetString(product, L"cleaned", L"true");
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, key)) << "writing never creates the key";

    EXPECT_EQ(0, GetInt(product, L"prompt"));
    SetInt(product, L"prompt", 1);
    SetString(product, L"cleaned", L"true");
    EXPECT_EQ(1, GetInt(product, L"prompt"));
    EXPECT_EQ(L"true", GetString(product, L"cleaned"));
}

TEST_F(SettingsStore, EveryValueIsTextWithItsTerminator) {
    GetInt(product, L"first");
    SetInt(product, L"Minimise", 1);
    SetInt(product, L"shrct", -42);
    SetString(product, L"tts", L"12.50");

    EXPECT_EQ((std::pair<DWORD, std::wstring>{REG_SZ, std::wstring(L"1\0", 2)}), Raw(L"Minimise"));
    EXPECT_EQ((std::pair<DWORD, std::wstring>{REG_SZ, std::wstring(L"-42\0", 4)}), Raw(L"shrct"));
    EXPECT_EQ((std::pair<DWORD, std::wstring>{REG_SZ, std::wstring(L"12.50\0", 6)}), Raw(L"tts"));
    EXPECT_EQ(L"1", GetString(product, L"Minimise")) << "an integer reads back as its text";
    EXPECT_EQ(12, GetInt(product, L"tts")) << "a size reads as its whole part";
}

TEST_F(SettingsStore, IntegerTextsAtAndBeyondThe32BitLimitsReadAsZero) {
    GetInt(product, L"first");
    const struct {
        const wchar_t* stored;
        int read;
    } cases[] = {
        {L"2147483647", 0},
        {L"-2147483648", 0},
        {L"2147483648", 0},
        {L"-2147483649", 0},
        {L"99999999999999999999999", 0},
        {L"2147483646", 2147483646},
        {L"-2147483647", -2147483647},
        {L" 12abc", 12},
        {L"\t\r\n 7", 7},
        {L"+5", 5},
        {L"-0", 0},
        {L"0012", 12},
        {L"12 34", 12},
        {L"", 0},
        {L"abc", 0},
        {L"- 3", 0},
        {L"0x1F", 0},
        {L"1e3", 1},
    };
    for (const auto& c : cases) {
        SetString(product, L"value", c.stored);
        EXPECT_EQ(c.read, GetInt(product, L"value"))
            << "stored \"" << testing::PrintToString(c.stored) << "\"";
    }
}

TEST_F(SettingsStore, ValueNamesDifferingInCaseAreOneValue) {
    GetInt(product, L"first");
    SetInt(product, L"Windows Flush Recycle Bin", 1);
    EXPECT_EQ(1, GetInt(product, L"Windows Flush Recycle bin"));
    SetInt(product, L"WINDOWS FLUSH RECYCLE BIN", 0);
    EXPECT_EQ(0, GetInt(product, L"Windows Flush Recycle Bin"));
    EXPECT_EQ(1u, ValueNames(HKEY_LOCAL_MACHINE, key).size());
}

TEST_F(SettingsStore, LongAndUnterminatedValuesAreCutNeverReadPastTheirEnd) {
    registry.Key(HKEY_LOCAL_MACHINE, key);
    // 600 characters stored without a terminator: the text read stops at 511.
    std::wstring long600;
    for (int i = 0; i < 600; ++i) {
        long600 += static_cast<wchar_t>(L'a' + i % 26);
    }
    registry.Raw(HKEY_LOCAL_MACHINE, key, L"long", REG_SZ, long600.data(), 600 * sizeof(wchar_t));
    EXPECT_EQ(long600.substr(0, 511), GetString(product, L"long"));
    EXPECT_EQ(long600, nimbrel::GetLongString(product, L"long")) << "a kept list reads whole";
    const std::wstring long40k(40000, L'x');
    SetString(product, L"longer", long40k);
    EXPECT_EQ(long40k.substr(0, 32767), nimbrel::GetLongString(product, L"longer"));

    // An integer reads at most 99 characters: here 98 blanks and a 7, the
    // digits behind them are cut off.
    const std::wstring padded = std::wstring(98, L' ') + L"7" + std::wstring(40, L'9');
    SetString(product, L"padded", padded);
    EXPECT_EQ(7, GetInt(product, L"padded"));
    EXPECT_EQ(padded, GetString(product, L"padded"));

    registry.Raw(HKEY_LOCAL_MACHINE, key, L"unterminated", REG_SZ, L"42", 2 * sizeof(wchar_t));
    EXPECT_EQ(42, GetInt(product, L"unterminated"));
    EXPECT_EQ(L"42", GetString(product, L"unterminated"));

    registry.Raw(HKEY_LOCAL_MACHINE, key, L"odd", REG_SZ, L"93", 3); // half a character at the end
    EXPECT_EQ(L"9", GetString(product, L"odd"));
}

TEST_F(SettingsStore, ValuesThatAreNotTextReadAsAbsent) {
    registry.Dword(HKEY_LOCAL_MACHINE, key, L"autoupdate", 1);
    registry.Binary(HKEY_LOCAL_MACHINE, key, L"prompt", std::string("1\0", 2));
    registry.Qword(HKEY_LOCAL_MACHINE, key, L"first", 1);

    EXPECT_EQ(0, GetInt(product, L"autoupdate"));
    EXPECT_EQ(L"", GetString(product, L"autoupdate"));
    EXPECT_EQ(0, GetInt(product, L"prompt"));
    EXPECT_EQ(0, GetInt(product, L"first"));

    SetInt(product, L"autoupdate", 1);
    EXPECT_EQ(1, GetInt(product, L"autoupdate")) << "a write replaces the value with text";
}
