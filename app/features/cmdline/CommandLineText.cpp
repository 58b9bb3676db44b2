#include "CommandLineText.h"

#include "ScanFigures.h"
#include "win32/Text.h"

#include <algorithm>
#include <vector>

namespace nimbrel {

namespace {

constexpr wchar_t kLineEnd[] = L"\r\n";

// The report page's column headings.
const wchar_t* ColumnHeading(ReportColumn column) {
    switch (column) {
    case kItemName:
        return L"Item name";
    case kFilesFound:
        return L"File(s) found";
    case kFilesCleaned:
        return L"File(s) cleaned";
    case kSpaceFound:
        return L"Space found";
    case kSpaceRecovered:
        return L"Space recovered";
    default:
        return L"";
    }
}

std::wstring Padded(const std::wstring& text, size_t width, bool right) {
    const std::wstring fill(width > text.size() ? width - text.size() : 0, L' ');
    return right ? fill + text : text + fill;
}

} // namespace

std::wstring CategoryHeading(ItemCategory category) {
    return std::wstring(LabelsOf(category).tab) + kLineEnd;
}

std::wstring FoundItemLine(const std::wstring& foundItemText) {
    return L"\t" + win32::WithControlsShown(foundItemText, win32::ControlCharacters::Escaped) + kLineEnd;
}

std::wstring SelectionListText(const std::wstring& product) {
    std::wstring text;
    auto line = [&](const SelectionItem& item) {
        text += IsItemScanned(product, item) ? L"1\t" : L"0\t";
        text += SelectionValueName(item) + kLineEnd;
    };
    for (const SelectionItem& item : SelectionItems()) {
        line(item);
    }
    for (const SelectionItem* item : ItemsOf(ItemCategory::Community)) {
        line(*item);
    }
    return text;
}

std::wstring CleaningText(const CleaningOutcome& outcome) {
    const CleaningTotals& totals = outcome.totals;
    std::wstring text = L"Cleaned " + CountText(totals.cleaned) + L" found item(s), " +
                        KilobytesText(totals.kilobytes) + L" KB recovered." + kLineEnd;
    if (!outcome.stayed.empty()) {
        text += L"Could not be removed (" + CountText(static_cast<long long>(outcome.stayed.size())) + L"):" +
                kLineEnd;
        for (const std::wstring& stayed : outcome.stayed) {
            text += FoundItemLine(stayed);
        }
    }
    if (!outcome.atRestart.empty()) {
        text += CountText(static_cast<long long>(outcome.atRestart.size())) +
                L" item(s) go at the next restart:" + kLineEnd;
        for (const std::wstring& held : outcome.atRestart) {
            text += FoundItemLine(held);
        }
    }
    return text;
}

std::wstring SummaryText(const ReportTable& table, bool withCleaning) {
    std::vector<ReportColumn> columns{kItemName, kFilesFound};
    if (withCleaning) {
        columns.push_back(kFilesCleaned);
    }
    columns.push_back(kSpaceFound);
    if (withCleaning) {
        columns.push_back(kSpaceRecovered);
    }
    std::vector<size_t> widths;
    for (ReportColumn column : columns) {
        size_t width = std::wstring(ColumnHeading(column)).size();
        for (const auto& row : table) {
            width = std::max(width, row[column].size());
        }
        widths.push_back(width);
    }
    auto line = [&](auto cellOf) {
        std::wstring text;
        for (size_t i = 0; i < columns.size(); ++i) {
            if (i > 0) {
                text += L"  ";
            }
            text += Padded(cellOf(columns[i]), widths[i], columns[i] != kItemName);
        }
        text.erase(text.find_last_not_of(L' ') + 1);
        return text + kLineEnd;
    };
    std::wstring text = line([](ReportColumn column) { return std::wstring(ColumnHeading(column)); });
    for (const auto& row : table) {
        text += line([&row](ReportColumn column) { return row[column]; });
    }
    return text;
}

} // namespace nimbrel
