#include "ZipWriter.h"

#include "win32/Handles.h"
#include "win32/Text.h"

#include <windows.h>

#include <zip.h>
#include <iowin32.h>

#include <vector>

namespace nimbrel {

namespace {

bool EndsWithNoCase(const std::wstring& text, const wchar_t* suffix) {
    const size_t n = wcslen(suffix);
    return text.size() >= n && _wcsicmp(text.c_str() + text.size() - n, suffix) == 0;
}

// Compressing an archive again gains nothing.
bool IsAlreadyCompressed(const std::wstring& name) {
    for (const wchar_t* suffix : {L".zip", L".zoo", L".arc", L".lzh", L".arj", L".tgz"}) {
        if (EndsWithNoCase(name, suffix)) {
            return true;
        }
    }
    return false;
}

bool IsAscii(const std::wstring& text) {
    for (const wchar_t c : text) {
        if (c > 0x7F) {
            return false;
        }
    }
    return true;
}

// Bit 11 of the general purpose flags: the name is UTF-8, which lets a
// name outside ASCII reach any unzip tool intact.
constexpr uLong kUtf8NameFlag = 1u << 11;

} // namespace

CZipWriter::~CZipWriter() {
    if (archive_) {
        zipClose(static_cast<zipFile>(archive_), nullptr);
    }
}

bool CZipWriter::Create(const std::wstring& path) {
    if (archive_) {
        zipClose(static_cast<zipFile>(archive_), nullptr);
        archive_ = nullptr;
    }
    zlib_filefunc64_def files{};
    fill_win32_filefunc64W(&files); // wide paths: the program folder may hold any name
    archive_ = zipOpen2_64(path.c_str(), APPEND_STATUS_CREATE, nullptr, &files);
    return archive_ != nullptr;
}

CZipWriter::AddResult CZipWriter::AddFile(const std::wstring& sourcePath, const std::wstring& nameInArchive) {
    if (!archive_) {
        return AddResult::ArchiveFailed;
    }
    // The source may be open in another program (a log being written).
    win32::UniqueFile source(CreateFileW(sourcePath.c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!source) {
        return AddResult::SourceUnreadable;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    GetFileInformationByHandle(source.Get(), &info);
    zip_fileinfo entry{};
    FILETIME local{};
    WORD dosDate = 0;
    WORD dosTime = 0;
    if (FileTimeToLocalFileTime(&info.ftLastWriteTime, &local) &&
        FileTimeToDosDateTime(&local, &dosDate, &dosTime)) {
        entry.dosDate = (static_cast<uLong>(dosDate) << 16) | dosTime;
    }
    entry.external_fa = info.dwFileAttributes & 0xFF;
    const unsigned long long size =
        (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;

    const bool ascii = IsAscii(nameInArchive);
    const std::string name =
        ascii ? std::string(nameInArchive.begin(), nameInArchive.end()) : win32::Utf8FromUtf16(nameInArchive);
    const bool store = IsAlreadyCompressed(nameInArchive);
    zipFile archive = static_cast<zipFile>(archive_);
    if (zipOpenNewFileInZip4_64(archive, name.c_str(), &entry, nullptr, 0, nullptr, 0, nullptr,
                                store ? 0 : Z_DEFLATED, store ? 0 : Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, 8,
                                Z_DEFAULT_STRATEGY, nullptr, 0, 0, ascii ? 0 : kUtf8NameFlag,
                                size >= 0xFFFFFFFFull ? 1 : 0) != ZIP_OK) {
        return AddResult::ArchiveFailed;
    }
    bool ok = true;
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(source.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) {
            ok = false;
            break;
        }
        if (read == 0) {
            break;
        }
        if (zipWriteInFileInZip(archive, buffer.data(), read) != ZIP_OK) {
            ok = false;
            break;
        }
    }
    // An entry cut short by a read error would carry wrong content under a
    // valid checksum: the archive as a whole is then not to be trusted.
    return zipCloseFileInZip(archive) == ZIP_OK && ok ? AddResult::Added : AddResult::ArchiveFailed;
}

bool CZipWriter::Close() {
    if (!archive_) {
        return false;
    }
    const int status = zipClose(static_cast<zipFile>(archive_), nullptr);
    archive_ = nullptr;
    return status == ZIP_OK;
}

} // namespace nimbrel
