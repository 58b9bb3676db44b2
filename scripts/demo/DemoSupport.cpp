#include "Demo.h"

#include <shlobj.h>

#include <algorithm>

namespace demo {

std::vector<const DemoCategory*>& Categories() {
    static std::vector<const DemoCategory*> categories;
    return categories;
}

Registrar::Registrar(const DemoCategory& category) {
    auto& all = Categories();
    all.push_back(&category);
    std::sort(all.begin(), all.end(), [](auto* a, auto* b) { return a->order < b->order; });
}

void SeedFolder(const std::wstring& path) {
    const auto pos = path.rfind(L'\\');
    if (pos != std::wstring::npos && pos > 2) {
        SeedFolder(path.substr(0, pos));
    }
    CreateDirectoryW(path.c_str(), nullptr);
}

void SeedFile(const std::wstring& path, size_t size) {
    SeedFolder(path.substr(0, path.rfind(L'\\')));
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    std::string bytes(size, 'x');
    DWORD written = 0;
    if (size) {
        WriteFile(file, bytes.data(), static_cast<DWORD>(size), &written, nullptr);
    }
    CloseHandle(file);
}

namespace {

void SetValue(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type, const void* data,
              DWORD size) {
    HKEY opened;
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) !=
        ERROR_SUCCESS) {
        return;
    }
    RegSetValueExW(opened, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(opened);
}

} // namespace

void SeedString(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& text) {
    SetValue(root, key, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void SeedDword(HKEY root, const std::wstring& key, const std::wstring& name, DWORD value) {
    SetValue(root, key, name, REG_DWORD, &value, sizeof value);
}

void SeedBinary(HKEY root, const std::wstring& key, const std::wstring& name, const std::string& bytes) {
    SetValue(root, key, name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}

std::wstring SpecialFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathW(nullptr, path, csidl, TRUE)) {
        return {};
    }
    return path;
}

} // namespace demo
