// Answers the message boxes of every process on the display the way a user
// would (OK) and remembers what they said: for code that runs where the
// updater's own message seam cannot reach (the real library, rundll32).
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

struct SeenDialog {
    std::wstring caption;
    std::wstring text;
};

class DialogWatcher {
public:
    DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;
    ~DialogWatcher();

    std::vector<SeenDialog> Seen() const;

private:
    void Watch();
    static BOOL CALLBACK Visit(HWND window, LPARAM self);

    mutable std::mutex mutex_;
    std::vector<SeenDialog> seen_;
    std::set<HWND> answered_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
