#include "TestRegistry.h"

#include <sddl.h>

#include <stdexcept>

namespace testing_support {
namespace {

void CheckStatus(LONG status, const char* what) {
    if (status != ERROR_SUCCESS) {
        throw std::runtime_error(std::string(what) + " failed (error " + std::to_string(status) + ")");
    }
}

std::wstring ParentKey(const std::wstring& path) {
    const auto pos = path.rfind(L'\\');
    return pos == std::wstring::npos ? std::wstring() : path.substr(0, pos);
}

} // namespace

TestRegistry::~TestRegistry() {
    for (auto it = values_.rbegin(); it != values_.rend(); ++it) {
        HKEY key;
        if (RegOpenKeyExW(it->root, it->key.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            if (it->existed) {
                RegSetValueExW(key, it->name.c_str(), 0, it->type, it->data.data(),
                               static_cast<DWORD>(it->data.size()));
            } else {
                RegDeleteValueW(key, it->name.c_str());
            }
            RegCloseKey(key);
        }
    }
    for (auto it = keys_.rbegin(); it != keys_.rend(); ++it) {
        DeleteTree(it->root, it->path);
    }
}

void TestRegistry::Key(HKEY root, const std::wstring& path) {
    if (KeyExists(root, path)) {
        return;
    }
    // Remember the topmost missing key: removing it removes all we made.
    std::wstring topmost = path;
    for (std::wstring parent = ParentKey(path); !parent.empty() && !KeyExists(root, parent);
         parent = ParentKey(parent)) {
        topmost = parent;
    }
    HKEY key;
    CheckStatus(RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                "RegCreateKeyEx");
    RegCloseKey(key);
    keys_.push_back({root, topmost});
}

void TestRegistry::Raw(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type,
                       const void* data, DWORD size) {
    Key(root, key);
    HKEY opened;
    CheckStatus(RegOpenKeyExW(root, key.c_str(), 0, KEY_SET_VALUE | KEY_QUERY_VALUE, &opened),
                "RegOpenKeyEx");
    SetValue before{root, key, name, false, REG_NONE, {}};
    DWORD previousSize = 0;
    if (RegQueryValueExW(opened, name.c_str(), nullptr, &before.type, nullptr, &previousSize) ==
        ERROR_SUCCESS) {
        before.data.resize(previousSize);
        before.existed = RegQueryValueExW(opened, name.c_str(), nullptr, &before.type, before.data.data(),
                                          &previousSize) == ERROR_SUCCESS;
    }
    const LONG status = RegSetValueExW(opened, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(opened);
    CheckStatus(status, "RegSetValueEx");
    values_.push_back(std::move(before));
}

void TestRegistry::String(HKEY root, const std::wstring& key, const std::wstring& name,
                          const std::wstring& text) {
    Raw(root, key, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void TestRegistry::ExpandString(HKEY root, const std::wstring& key, const std::wstring& name,
                                const std::wstring& text) {
    Raw(root, key, name, REG_EXPAND_SZ, text.c_str(),
        static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void TestRegistry::MultiString(HKEY root, const std::wstring& key, const std::wstring& name,
                               const std::wstring& first) {
    std::wstring data = first;
    data.push_back(L'\0');
    data.push_back(L'\0');
    Raw(root, key, name, REG_MULTI_SZ, data.c_str(), static_cast<DWORD>(data.size() * sizeof(wchar_t)));
}

void TestRegistry::Dword(HKEY root, const std::wstring& key, const std::wstring& name, DWORD value) {
    Raw(root, key, name, REG_DWORD, &value, sizeof value);
}

void TestRegistry::Qword(HKEY root, const std::wstring& key, const std::wstring& name,
                         unsigned long long value) {
    Raw(root, key, name, REG_QWORD, &value, sizeof value);
}

void TestRegistry::Binary(HKEY root, const std::wstring& key, const std::wstring& name,
                          const std::string& bytes) {
    Raw(root, key, name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}

void TestRegistry::DeleteTree(HKEY root, const std::wstring& path) {
    RegDeleteTreeW(root, path.c_str());
    RegDeleteKeyW(root, path.c_str());
}

bool KeyExists(HKEY root, const std::wstring& path) {
    HKEY key;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

bool ValueExists(HKEY root, const std::wstring& key, const std::wstring& name) {
    return RegGetValueW(root, key.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS;
}

std::wstring ReadString(HKEY root, const std::wstring& key, const std::wstring& name) {
    wchar_t buffer[4096] = {};
    DWORD size = sizeof buffer - sizeof(wchar_t);
    if (RegGetValueW(root, key.c_str(), name.c_str(), RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                     nullptr, buffer, &size) != ERROR_SUCCESS) {
        return {};
    }
    return buffer;
}

DWORD ReadDword(HKEY root, const std::wstring& key, const std::wstring& name, DWORD fallback) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(root, key.c_str(), name.c_str(), RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS) {
        return fallback;
    }
    return value;
}

std::vector<std::wstring> ValueNames(HKEY root, const std::wstring& key) {
    std::vector<std::wstring> names;
    HKEY opened;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return names;
    }
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD length = 16384;
        if (RegEnumValueW(opened, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(name, length);
    }
    RegCloseKey(opened);
    return names;
}

std::wstring SecurityText(HKEY root, const std::wstring& key) {
    HKEY opened;
    if (RegOpenKeyExW(root, key.c_str(), 0, READ_CONTROL, &opened) != ERROR_SUCCESS) {
        return L"<cannot open>";
    }
    const SECURITY_INFORMATION what =
        OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    DWORD size = 0;
    RegGetKeySecurity(opened, what, nullptr, &size);
    std::vector<BYTE> descriptor(size ? size : 1);
    std::wstring text = L"<unreadable>";
    if (RegGetKeySecurity(opened, what, descriptor.data(), &size) == ERROR_SUCCESS) {
        LPWSTR sddl = nullptr;
        if (ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor.data(), SDDL_REVISION_1, what,
                                                                 &sddl, nullptr)) {
            text = sddl;
            LocalFree(sddl);
        }
    }
    RegCloseKey(opened);
    return text;
}

std::wstring CurrentUserSidText() {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return {};
    }
    BYTE buffer[256];
    DWORD size = sizeof buffer;
    std::wstring text;
    if (GetTokenInformation(token, TokenUser, buffer, size, &size)) {
        LPWSTR sddl = nullptr;
        if (ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &sddl)) {
            text = sddl;
            LocalFree(sddl);
        }
    }
    CloseHandle(token);
    return text;
}

void SetAccessList(HKEY root, const std::wstring& key, const wchar_t* accessList) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(accessList, SDDL_REVISION_1, &descriptor,
                                                              nullptr)) {
        throw std::runtime_error("bad access list text");
    }
    HKEY opened;
    LONG status = RegOpenKeyExW(root, key.c_str(), 0, WRITE_DAC, &opened);
    if (status == ERROR_SUCCESS) {
        status = RegSetKeySecurity(opened, DACL_SECURITY_INFORMATION, descriptor);
        RegCloseKey(opened);
    }
    LocalFree(descriptor);
    if (status != ERROR_SUCCESS) {
        throw std::runtime_error("cannot set an access list (error " + std::to_string(status) + ")");
    }
}

} // namespace testing_support
