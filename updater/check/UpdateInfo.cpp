#include "check/UpdateInfo.h"

#include "support/Text.h"

namespace updrift {

std::vector<std::wstring> SplitLines(const std::wstring& page) {
    if (page.empty()) {
        return {};
    }
    return SplitAt(page, L'\n');
}

std::optional<std::vector<std::wstring>> FieldsOf(const std::wstring& line, size_t count) {
    std::vector<std::wstring> fields = SplitAt(line, L'\t');
    if (fields.size() != count) {
        return std::nullopt;
    }
    return fields;
}

std::optional<EntryHeader> ReadEntryHeader(const std::wstring& line) {
    if (line.empty()) {
        return std::nullopt;
    }
    const auto fields = FieldsOf(line, 4);
    if (!fields) {
        return std::nullopt;
    }
    EntryHeader header;
    header.component = (*fields)[0];
    header.version = (*fields)[1];
    header.fileLines = ParseDecimal((*fields)[2]);
    header.restart = ParseDecimal((*fields)[3]) != 0;
    return header;
}

} // namespace updrift
