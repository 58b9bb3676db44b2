#include "ReportFigures.h"

#include "ItemSelection.h"
#include "NimbrelControlApp.h"
#include "ScanFigures.h"
#include "SettingsStore.h"
#include "win32/Text.h"

#include <cstdlib>
#include <cwchar>
#include <cwctype>

namespace nimbrel {

namespace {

std::wstring Trimmed(std::wstring text) {
    size_t first = 0;
    while (first < text.size() && std::iswspace(text[first])) {
        ++first;
    }
    size_t last = text.size();
    while (last > first && std::iswspace(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

std::wstring Read(const std::wstring& product, const std::wstring& name) {
    return Trimmed(GetString(product, name));
}

bool IsNoFigure(const std::wstring& text) {
    return text.empty() || text == kNoFigure;
}

std::wstring CountCell(const std::wstring& text) {
    return IsNoFigure(text) ? kNoFigure : text;
}

std::wstring SizeCell(const std::wstring& text) {
    return IsNoFigure(text) ? kNoFigure : text + L" KB";
}

} // namespace

ReportTable LoadReportFigures(const std::wstring& product, const ScanSession& session) {
    WriteLog(L"Loading results");
    ReportTable table;
    const bool cleaned = Read(product, L"cleaned") == L"true";
    // The found space of the categories is summed as the report shows it,
    // in single precision, so the total can differ from "tts" in the last
    // decimal.
    float foundSpace = 0;
    for (int row = 0; row < kCategoryCount; ++row) {
        const auto category = static_cast<ItemCategory>(row);
        auto& cells = table[static_cast<size_t>(row)];
        cells[kItemName] = LabelsOf(category).reportRow;
        cells[kFilesFound] = CountCell(Read(product, FigureValueName(category, Figure::FilesFound)));
        const std::wstring space = Read(product, FigureValueName(category, Figure::SpaceFound));
        cells[kSpaceFound] = SizeCell(space);
        if (!IsNoFigure(space)) {
            foundSpace += static_cast<float>(std::wcstod(space.c_str(), nullptr));
        }
        cells[kSpaceRecovered] =
            session.cleanedAny || cleaned
                ? SizeCell(Read(product, FigureValueName(category, Figure::SpaceRecovered)))
                : kNoFigure;
        cells[kFilesCleaned] = CountCell(Read(product, FigureValueName(category, Figure::FilesCleaned)));
    }

    auto& total = table[kCategoryCount];
    total[kItemName] = L"TOTAL";
    wchar_t sum[64];
    swprintf(sum, 64, L"%.2f KB", static_cast<double>(foundSpace));
    total[kSpaceFound] = sum;
    const std::wstring found = Read(product, L"ttf");
    if (found != L"0" && !IsNoFigure(found) && cleaned) {
        total[kFilesCleaned] = CountCell(Read(product, L"ttc"));
        total[kSpaceRecovered] = SizeCell(Read(product, L"ttr"));
    }
    // Before the first scan of this run a stored 0 means nothing yet.
    total[kFilesFound] = found == L"0" && !session.scanStarted ? L"" : found;
    return table;
}

std::wstring AtRestartText(const std::vector<std::wstring>& atRestart, size_t named) {
    if (atRestart.empty()) {
        return {};
    }
    std::wstring text =
        CountText(static_cast<long long>(atRestart.size())) + L" item(s) go at the next restart:";
    for (size_t i = 0; i < atRestart.size() && i < named; ++i) {
        text += (i == 0 ? L" " : L"; ") +
                win32::WithControlsShown(atRestart[i], win32::ControlCharacters::Marked);
    }
    return atRestart.size() > named ? text + L"; ..." : text;
}

void ResetStatistics(const std::wstring& product) {
    WriteLog(L"Resetting values..");
    for (Figure figure : {Figure::FilesFound, Figure::SpaceFound}) {
        for (int category = 0; category < kCategoryCount; ++category) {
            SetString(product, FigureValueName(static_cast<ItemCategory>(category), figure), L"");
        }
    }
    for (Figure figure : {Figure::SpaceRecovered, Figure::FilesCleaned}) {
        for (int category = 0; category < kCategoryCount; ++category) {
            SetString(product, FigureValueName(static_cast<ItemCategory>(category), figure), L"");
        }
    }
    SetString(product, L"tts", L"");
    SetString(product, L"ttf", L"");
}

} // namespace nimbrel
