#include "InProcessSupport.h"

#include <commctrl.h>

#include <chrono>
#include <thread>

namespace app_tests {

DesktopWatch::DesktopWatch(int answer) : answer_(answer) {
    nimbrel::theApp.seams.messageBox = [this](HWND, const std::wstring& text, const std::wstring& caption,
                                              UINT type) {
        std::lock_guard<std::mutex> lock(mutex_);
        messages_.push_back({text, caption, type});
        return answer_;
    };
    nimbrel::theApp.seams.shellOpen = [this](const std::wstring& verb, const std::wstring& file,
                                             const std::wstring&, int) {
        std::lock_guard<std::mutex> lock(mutex_);
        shellCalls_.push_back({verb, file});
    };
    nimbrel::theApp.seams.openFile = [this](HWND, const std::wstring& title, std::wstring& chosen) {
        std::lock_guard<std::mutex> lock(mutex_);
        fileDialogTitles_.push_back(title);
        if (filesToChoose_.empty()) {
            return false;
        }
        chosen = filesToChoose_.front();
        filesToChoose_.erase(filesToChoose_.begin());
        return true;
    };
}

DesktopWatch::~DesktopWatch() {
    nimbrel::theApp.seams = nimbrel::CShellSeams{};
}

void DesktopWatch::Answer(int answer) {
    std::lock_guard<std::mutex> lock(mutex_);
    answer_ = answer;
}

void DesktopWatch::ChooseFiles(std::vector<std::wstring> files) {
    std::lock_guard<std::mutex> lock(mutex_);
    filesToChoose_ = std::move(files);
}

std::vector<std::wstring> DesktopWatch::FileDialogTitles() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return fileDialogTitles_;
}

std::vector<ShownMessage> DesktopWatch::Messages() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return messages_;
}

std::vector<ShellCall> DesktopWatch::ShellCalls() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return shellCalls_;
}

void PressSpaceOn(HWND window, HWND tree, HTREEITEM node) {
    TreeView_SelectItem(tree, node);
    SetForegroundWindow(window);
    SetFocus(tree);
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_SPACE;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    Pump();
}

} // namespace app_tests
