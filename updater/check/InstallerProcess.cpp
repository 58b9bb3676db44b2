#include "check/UpdateCheck.h"

#include "support/Paths.h"

#include <vector>

namespace updrift {

bool StartInstallerProcess(const std::wstring& libraryPath, const std::wstring& stagingName) {
    // The system's own runner by its full path: a "rundll32.exe" lying in the
    // current or the program's folder must not be the one that runs.
    wchar_t system[MAX_PATH] = {};
    const UINT n = GetSystemDirectoryW(system, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) {
        return false;
    }
    const std::wstring runner = JoinPath(system, L"rundll32.exe");
    std::wstring command = L"\"" + runner + L"\" \"" + libraryPath + L"\",InstallUpdates " + stagingName;
    std::vector<wchar_t> line(command.begin(), command.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    // Started from the system folder so that it holds no handle on the
    // program folder it is about to change.
    if (!CreateProcessW(runner.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, system, &startup,
                        &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace updrift
