#include "TestFiles.h"

#include "TestProcess.h"

#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>

namespace testing_support {
namespace {

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) {
        out += c < 128 ? static_cast<char>(c) : '?';
    }
    return out;
}

void Check(bool ok, const char* what, const std::wstring& path) {
    if (!ok) {
        throw std::runtime_error(std::string(what) + " failed for " + Narrow(path) + " (error " +
                                 std::to_string(GetLastError()) + ")");
    }
}

std::wstring ParentOf(const std::wstring& path) {
    const auto pos = path.rfind(L'\\');
    return pos == std::wstring::npos ? std::wstring() : path.substr(0, pos);
}

void SnapshotInto(const std::wstring& root, const std::wstring& relative, std::vector<std::wstring>& out) {
    const std::wstring folder = relative.empty() ? root : root + L"\\" + relative;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") {
            continue;
        }
        const std::wstring child = relative.empty() ? name : relative + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            out.push_back(child + L"\\");
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
                SnapshotInto(root, child, out);
            }
        } else {
            const uint64_t size = (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
            out.push_back(child + L"|" + std::to_wstring(size));
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
}

// Removes the link itself, never what it points to.
void RemoveUnixLink(const std::wstring& path) {
    const std::string link = UnixPath(path);
    if (!link.empty()) {
        RunProcess(L"\\\\?\\unix\\bin\\rm -f \"" + std::wstring(link.begin(), link.end()) + L"\"", 10000);
        // Wine cannot wait for a host program: the link goes a moment later.
        WaitFor([&] { return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES; },
                std::chrono::milliseconds(2000));
    }
}

// Wine shows a Unix link to a file as a plain file, and deleting it deletes
// the file it points to: its final path tells it apart.
bool IsUnixLinkToFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    wchar_t final[MAX_PATH + 8];
    const DWORD length = GetFinalPathNameByHandleW(file, final, MAX_PATH + 8, 0);
    CloseHandle(file);
    const std::wstring plain = path.rfind(L"\\\\?\\", 0) == 0 ? path.substr(4) : path;
    return length > 4 && length < MAX_PATH + 8 && _wcsicmp(final + 4, plain.c_str()) != 0;
}

} // namespace

void MakeFolders(const std::wstring& path) {
    if (path.empty() || FolderExists(path)) {
        return;
    }
    MakeFolders(ParentOf(path));
    if (!CreateDirectoryW(path.c_str(), nullptr)) {
        Check(GetLastError() == ERROR_ALREADY_EXISTS, "CreateDirectory", path);
    }
}

std::wstring MakeFileWithContent(const std::wstring& path, const std::string& bytes) {
    MakeFolders(ParentOf(path));
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    Check(file != INVALID_HANDLE_VALUE, "CreateFile", path);
    DWORD written = 0;
    const BOOL ok =
        bytes.empty() || WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    Check(ok && written == bytes.size(), "WriteFile", path);
    return path;
}

std::wstring MakeFile(const std::wstring& path, uint64_t size, DWORD attributes) {
    std::string bytes(static_cast<size_t>(size), '\0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>('a' + i % 26);
    }
    MakeFileWithContent(path, bytes);
    if (attributes != FILE_ATTRIBUTE_NORMAL) {
        Check(SetFileAttributesW(path.c_str(), attributes) != FALSE, "SetFileAttributes", path);
    }
    return path;
}

void RemoveTree(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        EmptyFolder(path);
    }
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        if (!RemoveDirectoryW(path.c_str()) && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            RemoveUnixLink(path); // Wine cannot remove a Unix link to a folder
        }
    } else if (IsUnixLinkToFile(path)) {
        RemoveUnixLink(path);
    } else {
        DeleteFileW(path.c_str());
    }
}

void EmptyFolder(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    std::vector<std::wstring> children;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") {
            children.push_back(path + L"\\" + name);
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
    for (const auto& child : children) {
        RemoveTree(child);
    }
}

bool FileExists(const std::wstring& path) {
    const DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path) {
    const DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

uint64_t FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return 0;
    }
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

DWORD Attributes(const std::wstring& path) {
    return GetFileAttributesW(path.c_str());
}

std::string ReadAll(const std::wstring& path) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    CloseHandle(file);
    return bytes;
}

std::vector<std::wstring> Snapshot(const std::wstring& folder) {
    std::vector<std::wstring> out;
    SnapshotInto(folder, L"", out);
    std::sort(out.begin(), out.end());
    return out;
}

TestFolder::TestFolder(const std::wstring& parent) {
    static std::atomic<unsigned> counter{0};
    path_ = parent + L"\\t" + std::to_wstring(GetCurrentProcessId()) + L"_" +
            std::to_wstring(GetTickCount()) + L"_" + std::to_wstring(++counter);
    MakeFolders(path_);
}

TestFolder TestFolder::At(const std::wstring& path) {
    TestFolder folder{Exact{}};
    folder.path_ = path;
    folder.removeSelf_ = !FolderExists(path);
    MakeFolders(path);
    return folder;
}

TestFolder::TestFolder(TestFolder&& other) noexcept
    : path_(std::move(other.path_)), removeSelf_(other.removeSelf_) {
    other.path_.clear();
}

TestFolder::~TestFolder() {
    if (path_.empty()) {
        return;
    }
    if (removeSelf_) {
        RemoveTree(path_);
    } else {
        EmptyFolder(path_);
    }
}

std::wstring TestFolder::File(const std::wstring& relative, uint64_t size, DWORD attributes) const {
    return MakeFile(Path(relative), size, attributes);
}

std::wstring TestFolder::FileWithContent(const std::wstring& relative, const std::string& bytes) const {
    return MakeFileWithContent(Path(relative), bytes);
}

std::wstring TestFolder::Folder(const std::wstring& relative) const {
    MakeFolders(Path(relative));
    return Path(relative);
}

HeldOpen::HeldOpen(const std::wstring& path, DWORD access, DWORD share)
    : handle_(
          CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}

HeldOpen::~HeldOpen() {
    if (Valid()) {
        CloseHandle(handle_);
    }
}

std::wstring SpecialFolderPath(int csidl) {
    wchar_t path[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathW(nullptr, path, csidl, TRUE)) {
        return {};
    }
    return path;
}

void EmptyTemporaryFolders() {
    wchar_t systemTemp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, systemTemp);
    for (const std::wstring& folder :
         {SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Temp", std::wstring(systemTemp)}) {
        if (FolderExists(folder)) {
            EmptyFolder(folder);
        }
    }
}

} // namespace testing_support
