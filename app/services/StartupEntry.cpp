#include "StartupEntry.h"

#include "NimbrelControlApp.h"
#include "win32/Handles.h"

#include <windows.h>

namespace nimbrel {

std::wstring StartupCommand(const std::wstring& programFolder) {
    return L"\"" + programFolder + L"\\" + kProgramFileName + L"\"";
}

void RegisterStartupEntry(const std::wstring& programFolder) {
    win32::UniqueKey key;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Put(),
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    const std::wstring command = StartupCommand(programFolder);
    // With its terminator: a reader that trusts the data to end in a zero
    // must not run on into whatever follows it.
    RegSetValueExW(key.Get(), kProductTitle, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
}

void RemoveStartupEntry() {
    win32::UniqueKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, key.Put()) != ERROR_SUCCESS) {
        return;
    }
    RegDeleteValueW(key.Get(), kProductTitle);
}

} // namespace nimbrel
