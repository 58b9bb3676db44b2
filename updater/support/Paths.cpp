#include "support/Paths.h"

#include "support/Text.h"
#include "win32/PathText.h"
#include "win32/Text.h"

#include <vector>

namespace updrift {

std::wstring WithTrailingBackslash(std::wstring folder) {
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') {
        folder += L'\\';
    }
    return folder;
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    size_t skip = 0;
    while (skip < name.size() && (name[skip] == L'\\' || name[skip] == L'/')) {
        ++skip;
    }
    return WithTrailingBackslash(folder) + name.substr(skip);
}

std::wstring FolderOf(const std::wstring& path) {
    const size_t pos = path.find_last_of(L"\\/");
    return pos == std::wstring::npos ? std::wstring() : path.substr(0, pos + 1);
}

std::wstring LastComponent(const std::wstring& path) {
    size_t end = path.size();
    while (end > 0 && (path[end - 1] == L'\\' || path[end - 1] == L'/')) {
        --end;
    }
    const size_t start = path.find_last_of(L"\\/", end == 0 ? 0 : end - 1);
    return start == std::wstring::npos || end == 0 ? path.substr(0, end)
                                                   : path.substr(start + 1, end - start - 1);
}

bool SameFolder(const std::wstring& a, const std::wstring& b) {
    const std::wstring fullA = WithTrailingBackslash(win32::FullPathOf(a));
    const std::wstring fullB = WithTrailingBackslash(win32::FullPathOf(b));
    return !fullA.empty() && win32::EqualsNoCase(fullA, fullB);
}

namespace {

// "CON", "nul.txt", "COM1.dll"... open a device instead of a file.
bool IsDeviceName(const std::wstring& part) {
    std::wstring base = part.substr(0, part.find(L'.'));
    while (!base.empty() && base.back() == L' ') {
        base.pop_back();
    }
    for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"}) {
        if (win32::EqualsNoCase(base, device)) {
            return true;
        }
    }
    return base.size() == 4 &&
           (win32::StartsWithNoCase(base, L"COM") || win32::StartsWithNoCase(base, L"LPT")) &&
           base[3] >= L'1' && base[3] <= L'9';
}

} // namespace

bool IsSafeRelativePath(const std::wstring& name) {
    if (name.empty() || name.find(L':') != std::wstring::npos) {
        return false;
    }
    std::wstring unified = name;
    for (wchar_t& c : unified) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    for (const std::wstring& part : SplitAt(unified, L'\\')) {
        // Windows drops trailing dots and blanks from names, so "..." and ". ."
        // would climb like "..".
        if (part.find_first_not_of(L". ") == std::wstring::npos || IsDeviceName(part)) {
            return false;
        }
    }
    return true;
}

bool IsBareFileName(const std::wstring& name) {
    return IsSafeRelativePath(name) && name.find_first_of(L"\\/") == std::wstring::npos;
}

std::wstring ModuleFolder(HMODULE module) {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) {
            return {};
        }
        if (n < buffer.size()) {
            return FolderOf(std::wstring(buffer.data(), n));
        }
        buffer.resize(buffer.size() * 2);
    }
}

HMODULE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

} // namespace updrift
