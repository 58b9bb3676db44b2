#include "support/UpdateLog.h"

#include "support/FileReplace.h"
#include "support/Paths.h"
#include "support/Text.h"
#include "win32/Handles.h"
#include "win32/Text.h"

#include <cwchar>

namespace updrift {

void LogUpdateEvent(const std::wstring& programFolder, const std::wstring& text) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    wchar_t stamp[32] = {};
    swprintf(stamp, 32, L"%04u-%02u-%02u %02u:%02u:%02u ", now.wYear, now.wMonth, now.wDay, now.wHour,
             now.wMinute, now.wSecond);
    const std::string line = win32::Utf8FromUtf16(stamp + text + L"\r\n");
    const std::wstring path = JoinPath(programFolder, kUpdateLogName);
    if (!CreateParentFolders(path)) {
        return;
    }
    // Appended whole: others may read the log meanwhile, but not write to it.
    win32::UniqueFile file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file) {
        WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
}

} // namespace updrift
