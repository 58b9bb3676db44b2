#include "trust/StagedFile.h"

namespace updrift {

win32::UniqueFile OpenVerifiedFile(const std::wstring& path, const std::string& signature,
                                   const CSignatureCheck& check) {
    win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file || !GetFileInformationByHandle(file.Get(), &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ||
        !check.VerifyFile(file.Get(), signature)) {
        return win32::UniqueFile();
    }
    return file;
}

std::wstring SignaturePathOf(const std::wstring& path) {
    return path + kSignatureSuffix;
}

bool WriteNewFile(const std::wstring& path, const std::string& bytes) {
    win32::UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        file.Reset();
        DeleteFileW(path.c_str());
        return false;
    }
    return true;
}

std::string ReadSignatureFile(const std::wstring& path) {
    win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size) ||
        size.QuadPart > static_cast<LONGLONG>(kLargestSignatureFile)) {
        return {};
    }
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        return {};
    }
    return bytes;
}

} // namespace updrift
