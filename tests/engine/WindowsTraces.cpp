#include "WindowsTraces.h"

#include "TestFiles.h"
#include "TestProcess.h"

#include <shellapi.h>

#include <cstdio>

namespace {

// Where Wine keeps the Recycle Bin (XDG_DATA_HOME/Trash), as a path of the
// prefix; empty when XDG_DATA_HOME is not set or lies outside every drive.
std::wstring TrashFolder() {
    char home[4096] = {};
    const DWORD length = GetEnvironmentVariableA("XDG_DATA_HOME", home, sizeof home);
    using DosNameFn = WCHAR*(CDECL*)(LPCSTR);
    static const auto toDos = reinterpret_cast<DosNameFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (length == 0 || length >= sizeof home || !toDos) {
        return {};
    }
    WCHAR* dosName = toDos(home);
    if (!dosName) {
        return {};
    }
    std::wstring folder(dosName);
    HeapFree(GetProcessHeap(), 0, dosName);
    return folder + L"\\Trash";
}

} // namespace

bool RecycleBinIsIsolated() {
    std::wstring build = testing_support::BuildFolder();
    if (!build.empty() && build.back() != L'\\') {
        build += L'\\';
    }
    const std::wstring trash = TrashFolder();
    return !trash.empty() && trash.size() > build.size() &&
           _wcsnicmp(trash.c_str(), build.c_str(), build.size()) == 0;
}

bool MoveToRecycleBin(const std::wstring& path) {
    if (!RecycleBinIsIsolated()) {
        return false;
    }
    std::wstring from = path;
    from.push_back(L'\0'); // the list ends with an empty name
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted &&
           GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

long long RecycleBinCount() {
    SHQUERYRBINFO info = {};
    info.cbSize = sizeof info;
    if (FAILED(SHQueryRecycleBinW(nullptr, &info))) {
        return -1;
    }
    return info.i64NumItems;
}

void EmptyRecycleBin() {
    if (!RecycleBinIsIsolated()) {
        return;
    }
    SHEmptyRecycleBinW(nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
    // Wine empties a deleted folder but leaves the folder itself in the bin.
    testing_support::EmptyFolder(TrashFolder() + L"\\files");
    testing_support::EmptyFolder(TrashFolder() + L"\\info");
}

namespace {

void DumpInto(HKEY root, const std::wstring& path, std::vector<std::wstring>& lines) {
    HKEY key;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return;
    }
    lines.push_back(path + L"\\");
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD nameLength = 16384, type = 0, size = 0;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
            break;
        }
        std::vector<BYTE> data(size + 1);
        nameLength = 16384;
        RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data.data(), &size);
        std::wstring line = path + L"=" + name + L"|" + std::to_wstring(type) + L"|";
        for (DWORD i = 0; i < size; ++i) {
            wchar_t hex[3];
            swprintf(hex, 3, L"%02x", data[i]);
            line += hex;
        }
        lines.push_back(line);
    }
    std::vector<std::wstring> subkeys;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD length = 256;
        if (RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        subkeys.push_back(path + L"\\" + name);
    }
    RegCloseKey(key);
    for (const auto& subkey : subkeys) {
        DumpInto(root, subkey, lines);
    }
}

} // namespace

std::vector<std::wstring> RegistryDump(HKEY root, const std::wstring& key) {
    std::vector<std::wstring> lines;
    DumpInto(root, key, lines);
    return lines;
}

std::wstring RawText(HKEY root, const std::wstring& key, const std::wstring& name) {
    DWORD size = 0;
    if (RegGetValueW(root, key.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, nullptr, nullptr, &size) !=
            ERROR_SUCCESS ||
        size == 0) {
        return {};
    }
    std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
    RegGetValueW(root, key.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, nullptr, data.data(), &size);
    data.resize(size / sizeof(wchar_t));
    return data;
}

void RestoreRawText(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& data) {
    HKEY opened;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) {
        return;
    }
    if (data.empty()) {
        RegDeleteValueW(opened, name.c_str());
    } else {
        RegSetValueExW(opened, name.c_str(), 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size() * sizeof(wchar_t)));
    }
    RegCloseKey(opened);
}

std::wstring ParentOf(const std::wstring& path) {
    const auto pos = path.rfind(L'\\');
    return pos == std::wstring::npos ? std::wstring() : path.substr(0, pos);
}
