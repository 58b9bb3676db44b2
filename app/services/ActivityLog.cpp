#include "ActivityLog.h"

#include "win32/Handles.h"
#include "win32/Text.h"

#include <windows.h>

namespace nimbrel {

CActivityLog::CActivityLog(std::wstring programFolder, LocalClock clock)
    : programFolder_(std::move(programFolder)), clock_(clock) {}

std::string EncodeLogLine(const std::wstring& stamp, const std::wstring& message) {
    std::wstring line = stamp + message + L"\n";
    std::wstring withCrLf;
    withCrLf.reserve(line.size() + 4);
    for (const wchar_t c : line) {
        if (c == L'\n') {
            withCrLf += L'\r';
        }
        withCrLf += c;
    }
    return win32::AnsiFromUtf16(withCrLf);
}

void CActivityLog::WriteLog(const std::wstring& message) {
    const SYSTEMTIME now = clock_();
    if (fileName_.empty()) {
        fileName_ = LogFolder() + L"\\" + LogFileName(now);
    }
    const std::string bytes = EncodeLogLine(LogLineStamp(now), message);
    if (!AppendLine(bytes) && GetLastError() == ERROR_PATH_NOT_FOUND) {
        // An installation without its LOGS folder would otherwise never log
        // anything; the folder is made once, where support expects it.
        if (CreateDirectoryW(LogFolder().c_str(), nullptr)) {
            AppendLine(bytes);
        }
    }
}

win32::UniqueFile CActivityLog::OpenForAppending() const {
    // Others may read the log while the program runs, but never write to it.
    return win32::UniqueFile(CreateFileW(fileName_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

namespace {

// While the log is kept open, lines wait at most this long, or until this
// many bytes wait.
constexpr ULONGLONG kPendingMs = 250;
constexpr size_t kPendingBytes = 32768;

bool WriteAll(HANDLE file, const std::string& bytes) {
    SetFilePointer(file, 0, nullptr, FILE_END);
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

} // namespace

bool CActivityLog::AppendLine(const std::string& bytes) {
    if (open_.keepers == 0) {
        const win32::UniqueFile file = OpenForAppending();
        return file && WriteAll(file.Get(), bytes);
    }
    if (!open_.file) {
        open_.file = OpenForAppending();
        if (!open_.file) {
            return false;
        }
        open_.writtenAt = GetTickCount64();
    }
    open_.pending += bytes;
    if (open_.pending.size() < kPendingBytes && GetTickCount64() - open_.writtenAt < kPendingMs) {
        return true;
    }
    return WritePending();
}

bool CActivityLog::WritePending() {
    open_.writtenAt = GetTickCount64();
    if (open_.pending.empty() || !open_.file) {
        return true;
    }
    const bool written = WriteAll(open_.file.Get(), open_.pending);
    open_.pending.clear();
    return written;
}

CActivityLog::KeptOpen::KeptOpen(CActivityLog& log) : log_(log) {
    ++log_.open_.keepers;
}

CActivityLog::KeptOpen::~KeptOpen() {
    if (--log_.open_.keepers == 0) {
        log_.WritePending();
        log_.open_.file.Reset();
    }
}

} // namespace nimbrel
