// Numbers and fields of the update page, the names of downloads, and which
// addresses the updater follows.
#include "check/InternetSession.h"
#include "check/UpdateInfo.h"
#include "support/RandomName.h"
#include "support/Text.h"

#include <gtest/gtest.h>

#include <set>

using namespace updrift;

TEST(UpdatePageText, NumbersReadLikeTheServerWritesThem) {
    EXPECT_EQ(3, ParseDecimal(L"3"));
    EXPECT_EQ(3, ParseDecimal(L"3\r")) << "a carriage return ends the number";
    EXPECT_EQ(12, ParseDecimal(L"  +12abc"));
    EXPECT_EQ(-7, ParseDecimal(L" -7"));
    EXPECT_EQ(0, ParseDecimal(L""));
    EXPECT_EQ(0, ParseDecimal(L"two"));
    EXPECT_EQ(0, ParseDecimal(L"- 4"));
    EXPECT_EQ(4294967296LL, ParseDecimal(L"4294967296"));
    EXPECT_EQ(9223372036854775807LL, ParseDecimal(L"99999999999999999999999")) << "clamped, not wrapped";
    EXPECT_GT(0, ParseDecimal(L"-99999999999999999999999"));
}

TEST(UpdatePageText, LinesAndFieldsKeepEveryEmptyPiece) {
    EXPECT_TRUE(SplitLines(L"").empty());
    EXPECT_EQ(std::vector<std::wstring>({L"1\r", L"a", L""}), SplitLines(L"1\r\na\n"));
    EXPECT_EQ(std::vector<std::wstring>({L"", L"", L""}), *FieldsOf(L"\t\t", 3));
    EXPECT_FALSE(FieldsOf(L"a\tb\tc\td\t", 4)) << "a trailing TAB makes a fifth field";

    const auto header = ReadEntryHeader(L"software\t2.4\t2\t1\r");
    ASSERT_TRUE(header);
    EXPECT_EQ(L"software", header->component);
    EXPECT_EQ(L"2.4", header->version);
    EXPECT_EQ(2, header->fileLines);
    EXPECT_TRUE(header->restart);
    EXPECT_FALSE(ReadEntryHeader(L""));
}

TEST(DownloadNames, AreTenUnpredictableCharactersOfTheUpdateAlphabet) {
    std::set<std::wstring> names;
    for (int i = 0; i < 2000; ++i) {
        const std::wstring name = RandomName(10);
        ASSERT_EQ(10u, name.size());
        ASSERT_EQ(std::wstring::npos, name.find_first_not_of(L"1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
        names.insert(name);
    }
    EXPECT_EQ(2000u, names.size());
}

TEST(UpdateAddresses, OnlyEncryptedOnesOrThisMachinesAreFollowed) {
    for (const wchar_t* trusted :
         {L"https://www.nimbrel.com/updates/updates.asp", L"HTTPS://mirror.example/x.zip",
          L"http://127.0.0.1:8080/qa/updates/updates.asp", L"http://localhost/x", L"http://[::1]:9/x",
          L"http://LOCALHOST"}) {
        EXPECT_TRUE(updrift::IsWebAddress(trusted)) << testing::PrintToString(std::wstring(trusted));
    }
    // Plain http elsewhere can be answered by anyone on the way; names that
    // only start like this machine are elsewhere.
    for (const wchar_t* refused :
         {L"http://www.nimbrel.com/updates/updates.asp", L"http://127.0.0.1.evil.example/x",
          L"http://127.0.0.1@evil.example/x", L"http://evil@127.0.0.1/x",
          L"http://127.0.0.1:80@evil.example/x", L"http://localhost:x@evil.example/",
          L"http://[::1]:1@evil.example/", L"http://127.0.0.1:8o/x", L"http://127.0.0.1\\@evil.example/x",
          L"http://[::1", L"http://", L"https://", L"ftp://127.0.0.1/x", L"file://C:/x", L"C:\\updates.asp",
          L""}) {
        EXPECT_FALSE(updrift::IsWebAddress(refused)) << testing::PrintToString(std::wstring(refused));
    }
}
