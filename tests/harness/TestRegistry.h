// Registry keys and values for tests. Every key a test creates through a
// TestRegistry is removed with its subkeys when the TestRegistry goes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

class TestRegistry {
public:
    TestRegistry() = default;
    TestRegistry(const TestRegistry&) = delete;
    TestRegistry& operator=(const TestRegistry&) = delete;
    ~TestRegistry();

    // Creates the key (and its missing parents); the topmost key it created
    // is removed afterwards. An existing key is left in place, but the values
    // set through this object are removed, or put back as they were.
    void Key(HKEY root, const std::wstring& path);
    void String(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& text);
    void ExpandString(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& text);
    void MultiString(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& first);
    void Dword(HKEY root, const std::wstring& key, const std::wstring& name, DWORD value);
    void Qword(HKEY root, const std::wstring& key, const std::wstring& name, unsigned long long value);
    void Binary(HKEY root, const std::wstring& key, const std::wstring& name, const std::string& bytes);
    // Any type with raw bytes (for strings stored without a terminator and the like).
    void Raw(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type, const void* data,
             DWORD size);

    // Removes a key tree now (and forgets it).
    static void DeleteTree(HKEY root, const std::wstring& path);

private:
    struct Created {
        HKEY root;
        std::wstring path;
    };
    struct SetValue {
        HKEY root;
        std::wstring key;
        std::wstring name;
        bool existed;
        DWORD type;
        std::vector<BYTE> data; // what it held before
    };
    std::vector<Created> keys_;
    std::vector<SetValue> values_;
};

// Wine reads it when a process starts: a value named "MS Shell Dlg" there
// puts another face behind the dialog font of the processes started after.
inline constexpr wchar_t kFontSubstitutesKey[] =
    L"Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes";

// The current user's identifier as the system writes it.
std::wstring CurrentUserSidText();
// Sets a key's access list from its text form (e.g. "D:P(A;CI;KA;;;SY)").
void SetAccessList(HKEY root, const std::wstring& key, const wchar_t* accessList);

bool KeyExists(HKEY root, const std::wstring& path);
bool ValueExists(HKEY root, const std::wstring& key, const std::wstring& name);
// The value's text (REG_SZ / REG_EXPAND_SZ), empty when absent.
std::wstring ReadString(HKEY root, const std::wstring& key, const std::wstring& name);
DWORD ReadDword(HKEY root, const std::wstring& key, const std::wstring& name, DWORD fallback = 0xFFFFFFFF);
// Names of the key's values, in enumeration order.
std::vector<std::wstring> ValueNames(HKEY root, const std::wstring& key);
// The key's security descriptor (owner, group, access list) as text, for
// checking that something was put back exactly as it was.
std::wstring SecurityText(HKEY root, const std::wstring& key);

} // namespace testing_support
