#include "TestZip.h"

#include "TestFiles.h"

#include <zip.h>
// After zip.h, which brings the declarations it builds on.
#include <iowin32.h>

#include <gtest/gtest.h>

using namespace testing_support;

void MakeZip(const std::wstring& path, const std::vector<ZipEntrySpec>& entries) {
    zlib_filefunc64_def files;
    fill_win32_filefunc64W(&files);
    zipFile zip = zipOpen2_64(path.c_str(), APPEND_STATUS_CREATE, nullptr, &files);
    ASSERT_NE(nullptr, zip);
    for (const ZipEntrySpec& entry : entries) {
        zip_fileinfo info{};
        info.tmz_date.tm_year = entry.time.wYear;
        info.tmz_date.tm_mon = entry.time.wMonth - 1;
        info.tmz_date.tm_mday = entry.time.wDay;
        info.tmz_date.tm_hour = entry.time.wHour;
        info.tmz_date.tm_min = entry.time.wMinute;
        info.tmz_date.tm_sec = entry.time.wSecond;
        info.external_fa = entry.folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
        const int method = entry.stored || entry.folder ? 0 : Z_DEFLATED;
        ASSERT_EQ(ZIP_OK,
                  zipOpenNewFileInZip4_64(zip, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                          method, Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                                          Z_DEFAULT_STRATEGY, nullptr, 0, 0, entry.utf8 ? 1u << 11 : 0u, 0));
        if (!entry.content.empty()) {
            ASSERT_EQ(ZIP_OK, zipWriteInFileInZip(zip, entry.content.data(),
                                                  static_cast<unsigned>(entry.content.size())));
        }
        ASSERT_EQ(ZIP_OK, zipCloseFileInZip(zip));
    }
    ASSERT_EQ(ZIP_OK, zipClose(zip, nullptr));
}

std::string ZipBytes(const std::vector<ZipEntrySpec>& entries) {
    TestFolder scratch;
    const std::wstring path = scratch.Path(L"package.zip");
    MakeZip(path, entries);
    return ReadAll(path);
}

void DamageStoredContent(const std::wstring& zipPath, const std::string& content) {
    std::string bytes = ReadAll(zipPath);
    const size_t at = bytes.find(content);
    ASSERT_NE(std::string::npos, at) << "the entry is not stored uncompressed";
    bytes[at] = static_cast<char>(bytes[at] ^ 0x20);
    MakeFileWithContent(zipPath, bytes);
}

FILETIME LocalTimeAsFileTime(const SYSTEMTIME& local) {
    FILETIME localTime{};
    FILETIME utc{};
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &utc);
    return utc;
}

FILETIME LastWriteTime(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}
