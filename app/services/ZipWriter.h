// A standard ZIP archive written through minizip: create it, add files, close.
#pragma once

#include <string>

namespace nimbrel {

class CZipWriter {
public:
    CZipWriter() = default;
    CZipWriter(const CZipWriter&) = delete;
    CZipWriter& operator=(const CZipWriter&) = delete;
    // An archive left open (an early return) is closed, so the file on disk
    // is always a complete archive.
    ~CZipWriter();

    // Creates (or replaces) the archive file. False when it cannot be made.
    bool Create(const std::wstring& path);
    enum class AddResult { Added, SourceUnreadable, ArchiveFailed };
    // Adds the file's content under `nameInArchive`, with the file's time.
    // Archives of archives are stored; everything else is deflated. A source
    // that cannot be opened leaves the archive as it was.
    AddResult AddFile(const std::wstring& sourcePath, const std::wstring& nameInArchive);
    // Writes the central directory. False when the archive is incomplete.
    bool Close();

    bool IsOpen() const { return archive_ != nullptr; }

private:
    void* archive_ = nullptr;
};

} // namespace nimbrel
