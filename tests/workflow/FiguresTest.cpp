// The figures a scan and a cleaning run leave for the results report, and
// the report's table read back from them, on a settings key of the test's
// own.
#include "CleaningRun.h"
#include "ReportFigures.h"
#include "ScanFigures.h"

#include "ItemSelection.h"
#include "SettingsStore.h"
#include "TestFiles.h"
#include "TestRegistry.h"

#include <gtest/gtest.h>

using namespace nimbrel;

namespace {

constexpr wchar_t kProduct[] = L"Nimbrel figures test";

class Figures : public ::testing::Test {
protected:
    Figures() {
        testing_support::TestRegistry::DeleteTree(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Nimbrel figures test");
        GetString(kProduct, L"first"); // a read makes the key, as the program's first read does
    }
    ~Figures() override {
        testing_support::TestRegistry::DeleteTree(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Nimbrel figures test");
    }

    static void Set(const wchar_t* name, const wchar_t* text) { SetString(kProduct, name, text); }
    static std::wstring Get(const wchar_t* name) { return GetString(kProduct, name); }
    static std::vector<std::wstring> Row(const ReportTable& table, int row) {
        const auto& cells = table[static_cast<size_t>(row)];
        return {cells.begin(), cells.end()};
    }
};

} // namespace

TEST_F(Figures, NumbersAsTheStoreKeepsThem) {
    EXPECT_EQ(KilobytesText(1234.565), L"1234.57");
    EXPECT_EQ(KilobytesText(0), L"0.00");
    EXPECT_EQ(CountText(-3), L"-3");
    EXPECT_DOUBLE_EQ(ParseKilobytes("12.345678"), 12.345678);
    EXPECT_EQ(ParseKilobytes("junk"), 0) << "a size text that is no number adds nothing";
    EXPECT_EQ(ParseKilobytes(""), 0);
    EXPECT_EQ(FigureValueName(ItemCategory::Windows, Figure::FilesFound), L"fwnd");
    EXPECT_EQ(FigureValueName(ItemCategory::FileSharing, Figure::SpaceRecovered), L"scfil");
    EXPECT_EQ(FigureValueName(ItemCategory::ThirdParty, Figure::FilesCleaned), L"fithd");
    EXPECT_EQ(RecoverableSpaceText(0.004), L"unknown") << "files were found, their size rounds to nothing";
    EXPECT_EQ(RecoverableSpaceText(2933.6), L"2933.60 KB");
    EXPECT_EQ(JunkFilesText(257), L" 257 file(s)");
}

TEST_F(Figures, ACleaningRunWritesEachCategoryAndWhatWasLeft) {
    Set(L"ttf", L"12");
    std::vector<CResultslist> records(8);
    records[0] = {5, 10.5};
    records[1] = {0, 0};    // present in the tree, nothing chosen
    records[4] = {4, 1.25}; // the other categories had no node
    const CleaningTotals totals = WriteCleaningFigures(kProduct, records, 1);
    EXPECT_EQ(totals.cleaned, 9);
    EXPECT_DOUBLE_EQ(totals.kilobytes, 11.75);
    EXPECT_EQ(Get(L"fiwnd"), L"5");
    EXPECT_EQ(Get(L"scwnd"), L"10.50");
    EXPECT_EQ(Get(L"fiint"), L"0");
    EXPECT_EQ(Get(L"scint"), L"0.00");
    EXPECT_EQ(Get(L"fiins"), L"--");
    EXPECT_EQ(Get(L"scthd"), L"--");
    EXPECT_EQ(Get(L"ttc"), L"9");
    EXPECT_EQ(Get(L"ttr"), L"11.75");
    EXPECT_EQ(Get(L"cleaned"), L"true");
    EXPECT_EQ(Get(L"showerrs"), L"3") << "found, but unticked or not removable";

    Set(L"ttf", L"9");
    WriteCleaningFigures(kProduct, records, 0);
    EXPECT_EQ(Get(L"showerrs"), L"0");

    // A run stopped after its first item (Ctrl+C on the command line): the
    // rest stay as they are and count as not cleaned.
    testing_support::TestFolder folder;
    const std::vector<std::wstring> files = {folder.File(L"a.tmp", 2048), folder.File(L"b.tmp", 2048),
                                             folder.File(L"c.tmp", 2048)};
    Set(L"ttf", L"3");
    std::vector<CResultslist> scanned(kCategoryCount);
    const CleaningOutcome outcome =
        CleanChosenItems(kProduct,
                         {{LabelsOf(ItemCategory::Windows).scanNode, {files[0], files[1]}, {}},
                          {LabelsOf(ItemCategory::Multimedia).scanNode, {files[2]}, {}}},
                         scanned, [] { return false; });
    EXPECT_EQ(outcome.notReached, 2);
    EXPECT_TRUE(outcome.stayed.empty());
    EXPECT_FALSE(testing_support::FileExists(files[0]));
    EXPECT_TRUE(testing_support::FileExists(files[1]) && testing_support::FileExists(files[2]));
    EXPECT_EQ(Get(L"fiwnd") + L" " + Get(L"ttc") + L" " + Get(L"showerrs"), L"1 1 2");
}

TEST_F(Figures, TheReportShowsWhatTheStoreHolds) {
    // Nothing stored: every category "--", no total yet.
    ReportTable table = LoadReportFigures(kProduct, ScanSession{});
    EXPECT_EQ(Row(table, 0), (std::vector<std::wstring>{L"Windows Logs", L"--", L"--", L"--", L"--"}));
    EXPECT_EQ(Row(table, 9), (std::vector<std::wstring>{L"TOTAL", L"", L"", L"0.00 KB", L""}));

    // After a scan of Windows and the browsers that found nothing in the
    // browsers.
    Set(L"fwnd", L"3");
    Set(L"swnd", L"0.10");
    Set(L"fint", L"0");
    Set(L"sint", L"0.00");
    Set(L"fmso", L"--");
    Set(L"smso", L"--");
    Set(L"tts", L"0.10");
    Set(L"ttf", L"3");
    Set(L"cleaned", L"false");
    Set(L"scwnd", L"9.99"); // left from an earlier cleaning: not shown before this one
    table = LoadReportFigures(kProduct, ScanSession{true, false, {}});
    EXPECT_EQ(Row(table, 0), (std::vector<std::wstring>{L"Windows Logs", L"3", L"--", L"0.10 KB", L"--"}));
    EXPECT_EQ(Row(table, 1),
              (std::vector<std::wstring>{L"Internet Browser History", L"0", L"--", L"0.00 KB", L"--"}));
    EXPECT_EQ(Row(table, 3), (std::vector<std::wstring>{L"MS Office History", L"--", L"--", L"--", L"--"}));
    EXPECT_EQ(Row(table, 9), (std::vector<std::wstring>{L"TOTAL", L"3", L"", L"0.10 KB", L""}));

    // The community rules' row, the ninth, counts into the total as any other.
    Set(L"fcmn", L"4");
    Set(L"scmn", L"0.30");
    table = LoadReportFigures(kProduct, ScanSession{true, false, {}});
    EXPECT_EQ(Row(table, 8), (std::vector<std::wstring>{L"Community", L"4", L"--", L"0.30 KB", L"--"}));
    EXPECT_EQ(table[9][kSpaceFound], L"0.40 KB");
    Set(L"fcmn", L"--");
    Set(L"scmn", L"--");

    // After cleaning.
    Set(L"fiwnd", L"2");
    Set(L"scwnd", L"0.07");
    Set(L"fiint", L"0");
    Set(L"scint", L"0.00");
    Set(L"fimso", L"--");
    Set(L"ttc", L" 2 ");
    Set(L"ttr", L"0.07");
    Set(L"cleaned", L"true");
    table = LoadReportFigures(kProduct, ScanSession{true, true, {}});
    EXPECT_EQ(Row(table, 0),
              (std::vector<std::wstring>{L"Windows Logs", L"3", L"2", L"0.10 KB", L"0.07 KB"}));
    EXPECT_EQ(Row(table, 1),
              (std::vector<std::wstring>{L"Internet Browser History", L"0", L"0", L"0.00 KB", L"0.00 KB"}));
    EXPECT_EQ(Row(table, 9), (std::vector<std::wstring>{L"TOTAL", L"3", L"2", L"0.10 KB", L"0.07 KB"}));

    // The total is the report's own single-precision sum of what it shows.
    Set(L"swnd", L"0.1");
    Set(L"sint", L"0.2");
    Set(L"smlt", L"16777216.01");
    table = LoadReportFigures(kProduct, ScanSession{true, true, {}});
    EXPECT_EQ(table[9][kSpaceFound], L"16777216.00 KB");

    // Reset keeps the cleaned totals, empties the rest; a stored 0 before
    // the first scan of this run shows as nothing.
    ResetStatistics(kProduct);
    EXPECT_EQ(Get(L"ttc"), L" 2 ");
    EXPECT_EQ(Get(L"fiwnd"), L"");
    Set(L"ttf", L"0");
    table = LoadReportFigures(kProduct, ScanSession{});
    EXPECT_EQ(Row(table, 0), (std::vector<std::wstring>{L"Windows Logs", L"--", L"--", L"--", L"--"}));
    EXPECT_EQ(Row(table, 9), (std::vector<std::wstring>{L"TOTAL", L"", L"", L"0.00 KB", L""}));
    EXPECT_EQ(LoadReportFigures(kProduct, ScanSession{true, false, {}})[9][kFilesFound], L"0");
}
