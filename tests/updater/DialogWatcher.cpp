#include "DialogWatcher.h"

#include <chrono>

namespace {

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM out) {
    if (_wcsicmp(ClassOf(child).c_str(), L"Static") == 0) {
        const std::wstring text = TextOf(child);
        if (!text.empty()) {
            auto* all = reinterpret_cast<std::wstring*>(out);
            *all += (all->empty() ? L"" : L"\n") + text;
        }
    }
    return TRUE;
}

} // namespace

DialogWatcher::DialogWatcher() : thread_([this] { Watch(); }) {}

DialogWatcher::~DialogWatcher() {
    stop_ = true;
    thread_.join();
}

std::vector<SeenDialog> DialogWatcher::Seen() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

void DialogWatcher::Watch() {
    while (!stop_) {
        EnumWindows(&DialogWatcher::Visit, reinterpret_cast<LPARAM>(this));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

BOOL CALLBACK DialogWatcher::Visit(HWND window, LPARAM self) {
    auto* watcher = reinterpret_cast<DialogWatcher*>(self);
    if (ClassOf(window) != L"#32770" || !IsWindowVisible(window)) {
        return TRUE;
    }
    std::wstring text;
    EnumChildWindows(window, &CollectStatic, reinterpret_cast<LPARAM>(&text));
    {
        std::lock_guard<std::mutex> lock(watcher->mutex_);
        if (!watcher->answered_.insert(window).second) {
            return TRUE;
        }
        watcher->seen_.push_back({TextOf(window), text});
    }
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return TRUE;
}
