#include "core/ScrubcoreApp.h"

#include <new>

namespace scrub {

CScrubcoreApp theApp;

void CScrubcoreApp::Report(const std::wstring& text) {
    if (!scanCallback) {
        return;
    }
    BSTR copy = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!copy) {
        throw std::bad_alloc();
    }
    struct Free {
        BSTR s;
        ~Free() { SysFreeString(s); }
    } freeAfterCall{copy};
    scanCallback(copy, 1);
}

void CScrubcoreApp::Pump() {
    if (processMessage) {
        processMessage();
    }
}

bool CScrubcoreApp::FirstMeetingOfTrace(const std::wstring& text) {
    if (deleteMode) {
        return true;
    }
    std::wstring key = text;
    if (!key.empty()) {
        CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
    }
    return reportedTraces.insert(std::move(key)).second;
}

int CScrubcoreApp::ShowMessage(const std::wstring& text, UINT type) {
    if (messageBox) {
        return messageBox(text, kProductTitle, type);
    }
    return MessageBoxW(nullptr, text.c_str(), kProductTitle, type);
}

} // namespace scrub
