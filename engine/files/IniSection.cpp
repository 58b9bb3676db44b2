#include "files/IniSection.h"

#include "win32/Handles.h"
#include "win32/PathText.h"
#include "win32/Text.h"
#include "core/ScrubcoreApp.h"
#include "files/FilePrimitives.h"
#include "files/IniText.h"

#include <windows.h>

namespace scrub {
namespace {

constexpr wchar_t kSectionMark[] = L"|[";

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    win32::UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file &&
           (bytes.empty() ||
            (WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
             written == bytes.size())) &&
           FlushFileBuffers(file.Get());
}

} // namespace

std::wstring IniSectionText(const std::wstring& path, const std::wstring& section) {
    return path + kSectionMark + section + L"]";
}

bool ParseIniSectionText(const std::wstring& text, std::wstring& path, std::wstring& section) {
    const size_t mark = text.rfind(kSectionMark);
    if (mark == std::wstring::npos || mark == 0 || text.back() != L']') {
        return false;
    }
    section = text.substr(mark + 2, text.size() - mark - 3);
    if (section.empty() || section.find_first_of(L"[]|") != std::wstring::npos) {
        return false;
    }
    path = text.substr(0, mark);
    return path.find(L'|') == std::wstring::npos;
}

void HandleIniSection(const std::wstring& path, const std::wstring& section) {
    CScrubcoreApp& app = theApp;
    std::string bytes;
    IniRange range;
    if (!PassesOpenTest(path) || !ReadFileBytes(path, bytes) ||
        !FindIniSection(bytes, win32::Utf8FromUtf16(section), range) || !HasIniEntries(bytes, range)) {
        return;
    }
    const std::wstring text = IniSectionText(path, section);
    if (!app.FirstMeetingOfTrace(text)) {
        return;
    }
    app.AddBytes(static_cast<double>(range.end - range.begin));
    app.Report(text);
    ++app.countedFiles;
    double removed = 0;
    if (app.deleteMode && !RemoveIniSection(path, section, removed)) {
        app.ShowMessage(L"Cannot delete " + text + L": Its being used by another person or program",
                        MB_OK | MB_ICONERROR);
        --app.countedFiles;
    }
}

bool RemoveIniSection(const std::wstring& path, const std::wstring& section, double& removedBytes) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) {
        return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES; // gone is clean
    }
    IniRange range;
    if (!FindIniSection(bytes, win32::Utf8FromUtf16(section), range)) {
        return true;
    }
    const std::string rest = bytes.substr(0, range.begin) + bytes.substr(range.end);
    // The new text is written beside the file first: the settings are never
    // left half written, and the file keeps its attributes and access list.
    wchar_t replacement[MAX_PATH] = {};
    if (!GetTempFileNameW(win32::CutAtLastBackslash(path).c_str(), L"ini", 0, replacement)) {
        return false;
    }
    if (!WriteWholeFile(replacement, rest) ||
        !ReplaceFileW(path.c_str(), replacement, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                      nullptr)) {
        DeleteFileW(replacement);
        return false;
    }
    removedBytes += static_cast<double>(range.end - range.begin);
    return true;
}

} // namespace scrub
