#include "install/InstallList.h"

#include "check/UpdateInfo.h"
#include "support/Paths.h"
#include "support/Text.h"
#include "win32/Handles.h"
#include "win32/Text.h"

namespace updrift {

namespace {

constexpr DWORD kLargestList = 16 * 1024 * 1024;

std::wstring WithoutCarriageReturn(std::wstring line) {
    if (!line.empty() && line.back() == L'\r') {
        line.pop_back();
    }
    return line;
}

} // namespace

std::wstring InstallListPath(const std::wstring& stagingFolder) {
    return JoinPath(stagingFolder, kInstallListName);
}

bool WriteInstallList(const std::wstring& path, const InstallListContent& content) {
    std::wstring text = content.programFolder + L"\r\n";
    for (const std::wstring& line : content.lines) {
        text += line;
        text += L"\r\n";
    }
    const std::string bytes = win32::Utf8FromUtf16(text);
    win32::UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size() || !FlushFileBuffers(file.Get())) {
        file.Reset();
        DeleteFileW(path.c_str());
        return false;
    }
    return true;
}

std::optional<InstallListContent> ReadInstallList(const std::wstring& path) {
    win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > kLargestList) {
        return std::nullopt;
    }
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        return std::nullopt;
    }
    std::vector<std::wstring> lines = SplitLines(win32::Utf16FromCodePage(bytes, CP_UTF8));
    InstallListContent content;
    size_t next = 0;
    if (next < lines.size()) {
        content.programFolder = WithoutCarriageReturn(lines[next++]);
    }
    if (content.programFolder.size() < 3 && next < lines.size()) {
        content.programFolder = WithoutCarriageReturn(lines[next++]);
    }
    for (; next < lines.size(); ++next) {
        content.lines.push_back(WithoutCarriageReturn(lines[next]));
    }
    return content;
}

std::optional<InstallItem> ParseInstallLine(const std::wstring& line) {
    const auto fields = FieldsOf(line, kFileLineFields + 1);
    if (!fields) {
        return std::nullopt;
    }
    InstallItem item;
    item.destination = (*fields)[kDestinationField];
    item.archive = ParseDecimal((*fields)[kArchiveField]) != 0;
    item.run = ParseDecimal((*fields)[kRunField]) != 0;
    item.download = (*fields)[kFileLineFields];
    return item;
}

} // namespace updrift
