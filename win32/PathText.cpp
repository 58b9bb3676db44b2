#include "win32/PathText.h"

#include <windows.h>

namespace win32 {

std::wstring JoinPath(const std::wstring& parent, const std::wstring& name) {
    std::wstring path;
    path.reserve(parent.size() + 1 + name.size());
    path += parent;
    path += L'\\';
    path += name;
    return path;
}

std::wstring CutAtLastBackslash(const std::wstring& path) {
    const auto pos = path.rfind(L'\\');
    return pos == std::wstring::npos ? std::wstring() : path.substr(0, pos);
}

std::wstring LastComponent(const std::wstring& path) {
    const auto pos = path.rfind(L'\\');
    return pos == std::wstring::npos ? path : path.substr(pos + 1);
}

bool Contains(const std::wstring& text, const wchar_t* part) {
    return text.find(part) != std::wstring::npos;
}

std::wstring WithoutLongPathPrefix(const std::wstring& path) {
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) {
        return L"\\" + path.substr(7);
    }
    if (path.compare(0, 4, L"\\\\?\\") == 0) {
        return path.substr(4);
    }
    return path;
}

std::wstring FullPathOf(const std::wstring& path) {
    if (path.empty()) {
        return {};
    }
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length >= full.size()) {
            return {};
        }
    }
    full.resize(length);
    return full;
}

} // namespace win32
