#include "unzip/Unzipper.h"

#include "support/FileReplace.h"
#include "support/Paths.h"
#include "support/Text.h"
#include "win32/PathText.h"
#include "win32/Text.h"

#include <unzip.h>
// After unzip.h, which brings the declarations it builds on.
#include <iowin32.h>

#include <vector>

namespace updrift {

namespace {

constexpr unsigned kBlockSize = 64 * 1024;
constexpr unsigned long kDosFolderBit = 0x10;
constexpr unsigned long kUtf8NameFlag = 1u << 11;
constexpr unsigned long kEncryptedFlag = 1u;

unzFile Archive(void* handle) {
    return static_cast<unzFile>(handle);
}

std::wstring FileNamePart(const std::wstring& name) {
    const size_t pos = name.rfind(L'\\');
    return pos == std::wstring::npos ? name : name.substr(pos + 1);
}

std::wstring WithoutTrailingBackslashes(std::wstring name) {
    while (!name.empty() && name.back() == L'\\') {
        name.pop_back();
    }
    return name;
}

// The entry's stored date and time, taken as local time.
bool SetEntryTime(const std::wstring& path, unsigned long dosDate) {
    FILETIME local{};
    FILETIME utc{};
    if (!DosDateTimeToFileTime(HIWORD(dosDate), LOWORD(dosDate), &local) ||
        !LocalFileTimeToFileTime(&local, &utc)) {
        return false;
    }
    win32::UniqueFile file(CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && SetFileTime(file.Get(), &utc, nullptr, &utc);
}

} // namespace

bool CUnzipper::OpenArchive(const std::wstring& path) {
    Close();
    const std::wstring full = win32::FullPathOf(path);
    if (full.empty()) {
        return false;
    }
    // The wide file layer: a temporary folder below a user name outside the
    // ANSI code page must open as well as any other.
    zlib_filefunc64_def files;
    fill_win32_filefunc64W(&files);
    archive_ = unzOpen2_64(full.c_str(), &files);
    if (!archive_) {
        return false;
    }
    archiveFolder_ = FolderOf(full);
    return true;
}

bool CUnzipper::Close() {
    if (!archive_) {
        return false;
    }
    unzCloseCurrentFile(Archive(archive_));
    const bool closed = unzClose(Archive(archive_)) == UNZ_OK;
    archive_ = nullptr;
    archiveFolder_.clear();
    return closed;
}

bool CUnzipper::GotoFirstEntry() {
    return archive_ && unzGoToFirstFile(Archive(archive_)) == UNZ_OK;
}

bool CUnzipper::GotoNextEntry() {
    return archive_ && unzGoToNextFile(Archive(archive_)) == UNZ_OK;
}

bool CUnzipper::GetEntryInfo(UnzipEntryInfo& info) {
    if (!archive_) {
        return false;
    }
    unz_file_info64 stored{};
    if (unzGetCurrentFileInfo64(Archive(archive_), &stored, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        return false;
    }
    std::vector<char> name(stored.size_filename + 1, '\0');
    if (unzGetCurrentFileInfo64(Archive(archive_), &stored, name.data(), static_cast<uLong>(name.size()),
                                nullptr, 0, nullptr, 0) != UNZ_OK) {
        return false;
    }
    const std::string bytes(name.data(), stored.size_filename);
    info.name = win32::Utf16FromCodePage(bytes, (stored.flag & kUtf8NameFlag) ? CP_UTF8 : CP_ACP);
    for (wchar_t& c : info.name) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    info.compressedSize = stored.compressed_size;
    info.uncompressedSize = stored.uncompressed_size;
    info.dosDate = stored.dosDate;
    info.attributes = stored.external_fa;
    // Archivers that do not set the folder bit still end a folder's name
    // with a separator.
    info.isFolder = (stored.external_fa & kDosFolderBit) || (!info.name.empty() && info.name.back() == L'\\');
    info.encrypted = (stored.flag & kEncryptedFlag) != 0;
    return true;
}

bool CUnzipper::UnpackEntry(const std::wstring& folder, bool keepPaths) {
    if (!archive_) {
        return false;
    }
    const std::wstring destination = folder.empty() ? archiveFolder_ : folder;
    if (!CreateFolder(destination)) {
        return false;
    }
    UnzipEntryInfo info;
    if (!GetEntryInfo(info)) {
        return false;
    }
    const std::wstring name = WithoutTrailingBackslashes(info.name);
    if (!IsSafeRelativePath(name)) {
        return false;
    }
    if (info.isFolder) {
        return CreateFolder(JoinPath(destination, name));
    }
    const std::wstring target = JoinPath(destination, keepPaths ? name : FileNamePart(name));
    if (info.encrypted || !CreateFilePath(target)) {
        return false;
    }
    return WriteCurrentEntry(target, info.dosDate);
}

bool CUnzipper::WriteCurrentEntry(const std::wstring& target, unsigned long dosDate) {
    std::wstring sibling;
    win32::UniqueFile file = CreateSiblingFile(target, sibling);
    if (!file) {
        return false;
    }
    bool clean = unzOpenCurrentFile(Archive(archive_)) == UNZ_OK;
    if (clean) {
        std::vector<char> block(kBlockSize);
        for (;;) {
            const int read = unzReadCurrentFile(Archive(archive_), block.data(), kBlockSize);
            if (read == 0) {
                break;
            }
            DWORD written = 0;
            if (read < 0 ||
                !WriteFile(file.Get(), block.data(), static_cast<DWORD>(read), &written, nullptr) ||
                written != static_cast<DWORD>(read)) {
                clean = false;
                break;
            }
        }
        // Closing the entry checks the unpacked bytes against their CRC: a
        // damaged package must not replace a working file.
        clean = unzCloseCurrentFile(Archive(archive_)) == UNZ_OK && clean;
    }
    file.Reset();
    if (clean) {
        // A date the entry cannot express leaves the file's own time.
        SetEntryTime(sibling, dosDate);
        if (MoveOver(sibling, target)) {
            return true;
        }
    }
    DeleteFileW(sibling.c_str());
    return false;
}

bool CUnzipper::UnpackAll(const std::wstring& folder, bool keepPaths) {
    if (!archive_ || folder.empty() || !CreateFolder(folder)) {
        return false;
    }
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(Archive(archive_), &global) != UNZ_OK || global.number_entry == 0) {
        return false;
    }
    if (!GotoFirstEntry()) {
        return false;
    }
    for (;;) {
        if (!UnpackEntry(folder, keepPaths)) {
            return false;
        }
        if (!GotoNextEntry()) {
            return true;
        }
    }
}

bool CUnzipper::CreateFolder(const std::wstring& path) {
    return CreateFolderTree(path);
}

bool CUnzipper::CreateFilePath(const std::wstring& path) {
    return CreateParentFolders(path);
}

} // namespace updrift
