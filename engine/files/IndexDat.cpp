#include "files/FilePrimitives.h"

#include "win32/Handles.h"
#include "files/SameEntry.h"

namespace scrub {

void WipeIndexDat(const std::wstring& path) {
    constexpr DWORD kHeaderBytes = 64;
    constexpr DWORD kChunkBytes = 10000;
    // Only the database itself: never what a link points to (a link Wine
    // shows as a plain file included), and never a file that other names
    // share (their data would be zeroed too).
    win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file || !IsEntryAt(file.Get(), path)) {
        return;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file.Get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) || info.nNumberOfLinks > 1) {
        return;
    }
    const DWORD size = GetFileSize(file.Get(), nullptr);
    if (size == INVALID_FILE_SIZE || size <= kHeaderBytes) {
        return;
    }
    if (SetFilePointer(file.Get(), kHeaderBytes, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) {
        return;
    }
    static const char zeros[kChunkBytes] = {};
    DWORD left = size - kHeaderBytes;
    while (left > 0) {
        const DWORD chunk = left < kChunkBytes ? left : kChunkBytes;
        DWORD written = 0;
        if (!WriteFile(file.Get(), zeros, chunk, &written, nullptr) || written == 0) {
            return;
        }
        left -= written;
    }
}

} // namespace scrub
