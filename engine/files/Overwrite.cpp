// Overwriting a chosen file before it is deleted, as the user asked under
// "When erasing": what was in it must not be readable from the disk after.
#include "win32/Handles.h"
#include "core/ScrubcoreApp.h"
#include "files/FilePrimitives.h"
#include "files/SameEntry.h"

#include <ntsecapi.h>

#include <algorithm>
#include <vector>

namespace scrub {
namespace {

constexpr DWORD kChunk = 1 << 20;

// Zeros and ones in turn, and random bytes last, so that no pattern of the
// earlier passes is left for the last one to reveal.
void FillForPass(std::vector<unsigned char>& buffer, int pass, int passes) {
    if (pass == passes) {
        RtlGenRandom(buffer.data(), static_cast<ULONG>(buffer.size()));
    } else {
        std::fill(buffer.begin(), buffer.end(), pass % 2 == 1 ? 0x00 : 0xFF);
    }
}

bool WritePass(HANDLE file, unsigned long long size, std::vector<unsigned char>& buffer, int pass,
               int passes) {
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) {
        return false;
    }
    FillForPass(buffer, pass, passes);
    for (unsigned long long left = size; left > 0;) {
        const DWORD chunk = static_cast<DWORD>(std::min<unsigned long long>(left, kChunk));
        if (pass == passes && left != size) {
            RtlGenRandom(buffer.data(), chunk); // no random chunk repeats another
        }
        DWORD written = 0;
        if (!WriteFile(file, buffer.data(), chunk, &written, nullptr) || written != chunk) {
            return false;
        }
        left -= chunk;
    }
    // On the disk before the next pass, or the cache would keep only the last.
    return FlushFileBuffers(file) != FALSE;
}

} // namespace

bool OverwriteFile(const std::wstring& path, int passes) {
    if (passes <= 0) {
        return false;
    }
    // Alone, and the entry itself: a file in use is not overwritten under
    // its program, and a link never leads the passes to another file.
    win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file || !IsEntryAt(file.Get(), path)) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file.Get(), &info) || info.nNumberOfLinks > 1 ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        return false; // other names share these bytes: they are not the user's to lose
    }
    const unsigned long long size =
        (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (size == 0) {
        return true; // nothing in it to destroy
    }
    std::vector<unsigned char> buffer(static_cast<size_t>(std::min<unsigned long long>(size, kChunk)));
    for (int pass = 1; pass <= passes; ++pass) {
        if (!WritePass(file.Get(), size, buffer, pass, passes)) {
            return false;
        }
        if (theApp.afterOverwritePass) {
            theApp.afterOverwritePass(file.Get(), pass);
        }
    }
    return true;
}

} // namespace scrub
