#include "VersionInfo.h"

#include <windows.h>

#include <cwchar>
#include <vector>

namespace app_tests {

std::wstring VersionString(const std::wstring& file, const std::wstring& name) {
    DWORD ignored = 0;
    std::vector<BYTE> block(GetFileVersionInfoSizeW(file.c_str(), &ignored));
    void* found = nullptr;
    UINT length = 0;
    if (block.empty() ||
        !GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) ||
        !VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &found, &length) || length < 4) {
        return {};
    }
    const WORD* language = static_cast<const WORD*>(found);
    wchar_t path[64];
    swprintf(path, 64, L"\\StringFileInfo\\%04x%04x\\", language[0], language[1]);
    if (!VerQueryValueW(block.data(), (path + name).c_str(), &found, &length) || !found) {
        return {};
    }
    return static_cast<const wchar_t*>(found);
}

} // namespace app_tests
