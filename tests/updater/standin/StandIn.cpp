// Stands in for Nimbrel.exe in the updater tests. It holds the program's
// single-instance lock while it runs and appends every start to "runs.txt"
// beside itself ("run" and its arguments). Started as
//     Nimbrel.exe check <address>
// it also runs the update check the way the program does, taking only the
// component "software", and appends every status to "status.txt" as
// "code|text".
#include "updrift/Updrift.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

std::wstring Beside(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.rfind(L'\\') + 1) + name;
}

void Append(const wchar_t* file, const std::wstring& line) {
    HANDLE out = CreateFileW(Beside(file).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) {
        return;
    }
    std::string bytes;
    for (wchar_t c : line + L"\r\n") {
        bytes += static_cast<char>(c);
    }
    DWORD written = 0;
    WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(out);
}

unsigned char TakeSoftwareOnly(const wchar_t* component, const wchar_t*) {
    return !component || std::wstring(component) == L"software";
}

int RecordStatus(int code, const wchar_t* text) {
    Append(L"status.txt", std::to_wstring(code) + L"|" + (text ? text : L""));
    return 1;
}

} // namespace

int main() {
    HANDLE lock = CreateMutexW(nullptr, TRUE, L"Nimbrel");
    const bool second = GetLastError() == ERROR_ALREADY_EXISTS;
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring line = second ? L"second" : L"run";
    for (int i = 1; i < argc; ++i) {
        line += L" " + std::wstring(argv[i]);
    }
    Append(L"runs.txt", line);
    if (!second && argc == 3 && std::wstring(argv[1]) == L"check") {
        // Bound when needed, like the program binds it at load time.
        HMODULE updater = LoadLibraryW(Beside(L"Updrift.dll").c_str());
        using Check = void (*)(const wchar_t*, UpdriftDecideCallBack, UpdriftStatusCallBack);
        auto check = updater ? reinterpret_cast<Check>(
                                   reinterpret_cast<void*>(GetProcAddress(updater, "AuCheckForUpdates")))
                             : nullptr;
        if (!check) {
            Append(L"status.txt", L"no updater");
            return 3;
        }
        check(argv[2], &TakeSoftwareOnly, &RecordStatus);
        Append(L"status.txt", L"returned");
    }
    LocalFree(argv);
    ReleaseMutex(lock);
    CloseHandle(lock);
    return 0;
}
