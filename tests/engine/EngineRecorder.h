// Puts the engine into a known state for one test and records everything it
// tells its host: found-item texts, process-message calls and message boxes.
#pragma once

#include "core/ScrubcoreApp.h"

#include <functional>
#include <string>
#include <vector>

struct RecordedMessage {
    std::wstring text;
    std::wstring caption;
    UINT type;
};

class EngineRecorder {
public:
    EngineRecorder();
    ~EngineRecorder();
    EngineRecorder(const EngineRecorder&) = delete;
    EngineRecorder& operator=(const EngineRecorder&) = delete;

    std::vector<std::wstring> found; // every scan-callback text, in order
    std::vector<int> flags;          // the flag of every scan-callback call
    int pumps = 0;                   // process-message calls
    std::vector<RecordedMessage> messages;
    int messageAnswer = IDOK;     // what a message box "returns"
    std::function<void()> onPump; // runs inside the process-message callback
    std::function<void(const std::wstring&)> onFound;
    std::function<void()> onMessage; // runs while a message box "shows"

    size_t Count(const std::wstring& text) const;
    bool Found(const std::wstring& text) const { return Count(text) > 0; }
    // The found texts that start with a prefix (for example a test folder).
    std::vector<std::wstring> FoundUnder(const std::wstring& prefix) const;
    // What Privacy_GetFilesSize writes.
    static std::string SizeText();
    // Forgets what was recorded, and lets the engine report it again.
    void Clear();

    static EngineRecorder* current;
};

// Sorted copy, for comparing sets of found texts.
std::vector<std::wstring> Sorted(std::vector<std::wstring> texts);
