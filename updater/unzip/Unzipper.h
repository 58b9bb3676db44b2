// CUnzipper: unpacks ZIP archives (update packages) with minizip's reader.
// Entry names come from the network: one that would land outside the
// destination folder is never written.
#pragma once

#include <string>

namespace updrift {

struct UnzipEntryInfo {
    std::wstring name; // "\" separated, as stored (UTF-8 names decoded as such)
    unsigned long long compressedSize = 0;
    unsigned long long uncompressedSize = 0;
    unsigned long dosDate = 0; // DOS date in the high word, DOS time in the low word
    unsigned long attributes = 0;
    bool isFolder = false;
    bool encrypted = false;
};

class CUnzipper {
public:
    CUnzipper() = default;
    CUnzipper(const CUnzipper&) = delete;
    CUnzipper& operator=(const CUnzipper&) = delete;
    ~CUnzipper() { Close(); }

    // Closes any open archive first. The archive's own folder becomes the
    // destination of entries unpacked without one.
    bool OpenArchive(const std::wstring& path);
    bool Close();

    bool GotoFirstEntry();
    // Fails after the last entry.
    bool GotoNextEntry();
    bool GetEntryInfo(UnzipEntryInfo& info);

    // Writes the current entry below `folder` (the archive's folder when
    // empty), keeping its folders or only its file name. The file gets the
    // entry's date and time; an existing file is replaced only once the
    // whole entry has been unpacked and checked.
    bool UnpackEntry(const std::wstring& folder = std::wstring(), bool keepPaths = true);
    // Every entry in order; stops at the first that fails, leaving the rest
    // packed.
    bool UnpackAll(const std::wstring& folder, bool keepPaths = true);

    static bool CreateFolder(const std::wstring& path);
    static bool CreateFilePath(const std::wstring& path);

private:
    bool WriteCurrentEntry(const std::wstring& target, unsigned long dosDate);

    void* archive_ = nullptr; // minizip's unzFile
    std::wstring archiveFolder_;
};

} // namespace updrift
