#include "TestProcess.h"

#include "TestFiles.h"

#include <thread>
#include <vector>

namespace testing_support {

void Pump() {
    MSG msg;
    for (int round = 0; round < 3; ++round) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
             std::chrono::milliseconds interval) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        // Keep this thread's windows (if any) alive while waiting.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        std::this_thread::sleep_for(interval);
    }
}

ProcessResult RunProcess(const std::wstring& commandLine, DWORD timeoutMs,
                         const std::wstring& workingFolder) {
    ProcessResult result;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(0);
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &process)) {
        return result;
    }
    result.started = true;
    if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        result.finished = true;
        GetExitCodeProcess(process.hProcess, &result.exitCode);
    } else {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

RECT PlaceOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

ProcessResult RunTestsInChild(const std::wstring& filter,
                              const std::vector<std::pair<std::wstring, std::wstring>>& environment,
                              DWORD timeoutMs) {
    for (const auto& [name, value] : environment) {
        SetEnvironmentVariableW(name.c_str(), value.c_str());
    }
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const ProcessResult child = RunProcess(L"\"" + std::wstring(self) +
                                               L"\" --gtest_also_run_disabled_tests --gtest_filter=" + filter,
                                           timeoutMs);
    for (const auto& variable : environment) {
        SetEnvironmentVariableW(variable.first.c_str(), nullptr);
    }
    return child;
}

std::wstring TestProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.rfind(L'\\'));
}

std::wstring BuildFolder() {
    const std::wstring folder = TestProgramFolder();
    std::wstring parent = folder.substr(0, folder.rfind(L'\\'));
    if (parent.size() == 2 && parent[1] == L':') {
        parent += L'\\';
    }
    return parent;
}

std::wstring ProgramFolder() {
    std::wstring build = BuildFolder();
    if (!build.empty() && build.back() == L'\\') {
        build.pop_back();
    }
    return build + L"\\bin";
}

std::string UnixPath(const std::wstring& windowsPath) {
    using UnixNameFn = char*(CDECL*)(LPCWSTR);
    static const auto toUnix = reinterpret_cast<UnixNameFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) {
        return {};
    }
    char* unixName = toUnix(windowsPath.c_str());
    if (!unixName) {
        return {};
    }
    std::string path(unixName);
    HeapFree(GetProcessHeap(), 0, unixName);
    return path;
}

namespace {

std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

std::wstring Quoted(const std::string& text) {
    return L"\"" + Widen(text) + L"\"";
}

} // namespace

bool MakeUnixSymlink(const std::wstring& target, const std::wstring& link) {
    const std::string unixTarget = UnixPath(target);
    const std::string unixLink = UnixPath(link);
    if (unixTarget.empty() || unixLink.empty()) {
        return false;
    }
    RunProcess(L"\\\\?\\unix\\bin\\ln -s " + Quoted(unixTarget) + L" " + Quoted(unixLink), 10000);
    return GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES ||
           WaitFor([&] { return GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES; },
                   std::chrono::milliseconds(2000));
}

std::wstring SaveScreenshot(const std::wstring& name) {
    const std::wstring folder =
        BuildFolder() + (BuildFolder().back() == L'\\' ? L"" : L"\\") + L"screenshots";
    MakeFolders(folder);
    const std::wstring picture = folder + L"\\" + name + L".png";
    const std::string unixPicture = UnixPath(picture);
    if (unixPicture.empty()) {
        return {};
    }
    DeleteFileW(picture.c_str());
    // Wine cannot wait for a host program: the picture appears under its
    // name only once it is complete.
    const std::string script = "import -window root 'png:" + unixPicture + ".part' && mv '" + unixPicture +
                               ".part' '" + unixPicture + "'";
    const ProcessResult result = RunProcess(L"\\\\?\\unix\\bin\\sh -c " + Quoted(script), 30000);
    return result.started && WaitFor([&] { return FileExists(picture); }, std::chrono::milliseconds(30000))
               ? picture
               : std::wstring();
}

} // namespace testing_support
