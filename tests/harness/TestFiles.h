// Folders and files for tests, made the way a user's programs leave them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// A folder that exists for one test and is removed with everything in it
// afterwards. Relative names may contain backslashes; missing parents are
// created.
class TestFolder {
public:
    // A new, unique folder below `parent` (default: C:\nimbrel-tests).
    explicit TestFolder(const std::wstring& parent = L"C:\\nimbrel-tests");
    // A folder at exactly this path (a place the cleaner looks at). A folder
    // that already existed is emptied afterwards, a new one removed.
    static TestFolder At(const std::wstring& path);
    TestFolder(TestFolder&& other) noexcept;
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;
    ~TestFolder();

    const std::wstring& Path() const { return path_; }
    std::wstring Path(const std::wstring& relative) const { return path_ + L"\\" + relative; }

    // A file of `size` bytes (a repeating pattern) with the given attributes.
    std::wstring File(const std::wstring& relative, uint64_t size = 0,
                      DWORD attributes = FILE_ATTRIBUTE_NORMAL) const;
    std::wstring FileWithContent(const std::wstring& relative, const std::string& bytes) const;
    std::wstring Folder(const std::wstring& relative) const;

private:
    struct Exact {};
    explicit TestFolder(Exact) {}
    std::wstring path_;
    bool removeSelf_ = true;
};

std::wstring MakeFile(const std::wstring& path, uint64_t size = 0, DWORD attributes = FILE_ATTRIBUTE_NORMAL);
std::wstring MakeFileWithContent(const std::wstring& path, const std::string& bytes);
void MakeFolders(const std::wstring& path);
// Removes a folder and everything below it (read-only bits included), never
// following a link out of it.
void RemoveTree(const std::wstring& path);
// Removes everything inside the folder but keeps the folder.
void EmptyFolder(const std::wstring& path);

bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);
uint64_t FileSize(const std::wstring& path);
DWORD Attributes(const std::wstring& path);
std::string ReadAll(const std::wstring& path);
// Every file below the folder with its size, sorted, as "relative|size".
std::vector<std::wstring> Snapshot(const std::wstring& folder);

// Keeps a file open with the chosen access and sharing for its lifetime.
class HeldOpen {
public:
    HeldOpen(const std::wstring& path, DWORD access, DWORD share);
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    ~HeldOpen();
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// Empties the user's temporary folders (the local application data's Temp
// and the one the system reports), where a Temp Folder scan also looks, so
// that only a test's own traces are found there.
void EmptyTemporaryFolders();

// A special folder of the test prefix (CSIDL_...), without trailing backslash.
std::wstring SpecialFolderPath(int csidl);

} // namespace testing_support
