#include "ScanFigures.h"

#include "NimbrelControlApp.h"
#include "SettingsStore.h"
#include "scrubcore/Scrubcore.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>

namespace nimbrel {

std::wstring CountText(long long count) {
    wchar_t text[32];
    swprintf(text, 32, L"%lld", count);
    return text;
}

std::wstring KilobytesText(double kilobytes) {
    wchar_t text[400];
    swprintf(text, 400, L"%.2f", kilobytes);
    return text;
}

double ParseKilobytes(const char* text) {
    if (!text) {
        return 0;
    }
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    return end == text ? 0 : value;
}

double EngineKilobytes() {
    char text[SCRUBCORE_FILES_SIZE_TEXT_MAX] = {};
    Privacy_GetFilesSize(text);
    return ParseKilobytes(text);
}

std::wstring FigureValueName(ItemCategory category, Figure figure) {
    static const wchar_t* const prefixes[] = {L"f", L"s", L"fi", L"sc"};
    return prefixes[static_cast<int>(figure)] + std::wstring(LabelsOf(category).valueSuffix);
}

std::wstring RecoverableSpaceText(double kilobytes) {
    const std::wstring text = KilobytesText(kilobytes) + L" KB";
    return CompareStringOrdinal(text.c_str(), -1, L"0.00 KB", -1, TRUE) == CSTR_EQUAL ? L"unknown" : text;
}

std::wstring JunkFilesText(unsigned long long count) {
    return L" " + CountText(static_cast<long long>(count)) + L" file(s)";
}

CleaningTotals WriteCleaningFigures(const std::wstring& product, const std::vector<CResultslist>& records,
                                    long long failed) {
    CleaningTotals totals;
    totals.failed = failed;
    for (size_t i = 0; i < records.size() && i < static_cast<size_t>(kCategoryCount); ++i) {
        const auto category = static_cast<ItemCategory>(i);
        const CResultslist& record = records[i];
        totals.kilobytes += record.cleanedSize;
        if (record.cleanedCount < 0) {
            SetString(product, FigureValueName(category, Figure::FilesCleaned), kNoFigure);
            SetString(product, FigureValueName(category, Figure::SpaceRecovered), kNoFigure);
            continue;
        }
        SetString(product, FigureValueName(category, Figure::FilesCleaned), CountText(record.cleanedCount));
        SetString(product, FigureValueName(category, Figure::SpaceRecovered),
                  KilobytesText(record.cleanedSize));
        totals.cleaned += record.cleanedCount;
    }
    const std::wstring recovered = KilobytesText(totals.kilobytes);
    const std::wstring cleaned = CountText(totals.cleaned);
    SetString(product, L"ttr", recovered);
    WriteLog(L"ttr" + recovered);
    SetString(product, L"ttc", cleaned);
    WriteLog(L"ttc" + cleaned);
    SetString(product, L"cleaned", L"true");
    WriteLog(L"cleaned" + cleaned);
    const long long found = GetInt(product, L"ttf");
    const std::wstring left = found == totals.cleaned ? L"0" : CountText(found - totals.cleaned);
    SetString(product, L"showerrs", left);
    WriteLog(L"showerrs" + left);
    return totals;
}

} // namespace nimbrel
