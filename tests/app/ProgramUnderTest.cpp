#include "ProgramUnderTest.h"

#include "TestProcess.h"
#include "TestRegistry.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace testing_support;

namespace app_tests {

CleanSettings::CleanSettings() {
    TestRegistry::DeleteTree(HKEY_LOCAL_MACHINE, kSettingsKey);
}

CleanSettings::~CleanSettings() {
    TestRegistry::DeleteTree(HKEY_LOCAL_MACHINE, kSettingsKey);
    HKEY run = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
        RegDeleteValueW(run, L"Nimbrel");
        RegCloseKey(run);
    }
}

void CleanSettings::Set(const std::wstring& name, const std::wstring& text) const {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

std::wstring CleanSettings::Get(const std::wstring& name) const {
    if (!ValueExists(HKEY_LOCAL_MACHINE, kSettingsKey, name)) {
        return L"(absent)";
    }
    return ReadString(HKEY_LOCAL_MACHINE, kSettingsKey, name);
}

ProgramFolderCopy::ProgramFolderCopy() : folder_(root_.Folder(L"Program Files\\Nimbrel")) {
    const std::wstring source = ProgramFolder();
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileW((source + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            CopyFileW((source + L"\\" + found.cFileName).c_str(), (folder_ + L"\\" + found.cFileName).c_str(),
                      FALSE);
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
}

namespace {

// "12/06/2026 19:15:43 PM:" in front of every logged line.
constexpr size_t kStampLength = 23;

bool HasStamp(const std::wstring& line) {
    return line.size() >= kStampLength && line[2] == L'/' && line[5] == L'/' && line[13] == L':' &&
           line[kStampLength - 1] == L':';
}

} // namespace

std::vector<std::wstring> ProgramFolderCopy::LogLines() const {
    std::vector<std::wstring> lines;
    const std::wstring logs = folder_ + L"\\LOGS";
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileW((logs + L"\\*.log").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        return lines;
    }
    do {
        std::istringstream text(ReadAll(logs + L"\\" + found.cFileName));
        for (std::string line; std::getline(text, line);) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            std::wstring wide(line.begin(), line.end());
            lines.push_back(HasStamp(wide) ? wide.substr(kStampLength) : wide);
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return lines;
}

int ProgramFolderCopy::LogFileCount() const {
    int count = 0;
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileW((folder_ + L"\\LOGS\\*.log").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        return 0;
    }
    do {
        ++count;
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return count;
}

RunningProgram::RunningProgram(const std::wstring& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring line = L"\"" + program + L"\"";
    const std::wstring folder = program.substr(0, program.rfind(L'\\'));
    if (CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                       &startup, &process)) {
        CloseHandle(process.hThread);
        process_ = process.hProcess;
        id_ = process.dwProcessId;
    }
}

RunningProgram::~RunningProgram() {
    if (!process_) {
        return;
    }
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

std::vector<HWND> TopLevelWindows(DWORD processId, const std::wstring& title, bool visibleOnly) {
    struct Search {
        DWORD processId;
        const std::wstring* title;
        bool visibleOnly;
        std::vector<HWND> found;
    } search{processId, &title, visibleOnly, {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s.processId || (s.visibleOnly && !IsWindowVisible(window))) {
                return TRUE;
            }
            wchar_t text[256] = {};
            GetWindowTextW(window, text, 256);
            if (*s.title == text) {
                s.found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND RunningProgram::Splash() const {
    for (HWND window : TopLevelWindows(id_, L"")) {
        wchar_t className[64] = {};
        GetClassNameW(window, className, 64);
        if (std::wstring(className) == L"#32770") {
            return window;
        }
    }
    return nullptr;
}

void RunningProgram::CutSplashShort() const {
    HWND splash = nullptr;
    WaitFor([&] { return (splash = Splash()) != nullptr; });
    if (splash) {
        PostMessageW(splash, WM_TIMER, 100, 0);
    }
}

HWND RunningProgram::WaitForMainWindow(DWORD timeoutMs) {
    WaitFor(
        [&] {
            HWND window = FindWindowW(L"NimbrelMainWindow", L"Nimbrel");
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            main_ = window && owner == id_ && IsWindowVisible(window) ? window : nullptr;
            return main_ != nullptr;
        },
        std::chrono::milliseconds(timeoutMs));
    return main_;
}

HWND RunningProgram::WaitForWindow(const std::wstring& title, DWORD timeoutMs) const {
    HWND window = nullptr;
    WaitFor(
        [&] {
            const auto found = TopLevelWindows(id_, title);
            window = found.empty() ? nullptr : found.front();
            return window != nullptr;
        },
        std::chrono::milliseconds(timeoutMs));
    return window;
}

bool RunningProgram::WaitForExit(DWORD timeoutMs, DWORD* code) const {
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    if (code) {
        GetExitCodeProcess(process_, code);
    }
    return true;
}

bool RunningProgram::StartAndShow(RunningProgram& program) {
    if (!program.Started()) {
        return false;
    }
    program.CutSplashShort();
    return program.WaitForMainWindow() != nullptr;
}

HWND FindChild(HWND parent, int id) {
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            if (GetDlgCtrlID(child) == s.id) {
                s.found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PostClick(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

void PostMouseClick(HWND window) {
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

void SaveSettledScreenshot(const std::wstring& name) {
    WaitFor([] { return false; }, std::chrono::milliseconds(300));
    SaveScreenshot(name);
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

} // namespace app_tests
