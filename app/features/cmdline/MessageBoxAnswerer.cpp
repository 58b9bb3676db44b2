#include "MessageBoxAnswerer.h"

#include "win32/Text.h"

#include <string>

namespace nimbrel {

namespace {

// The hook's callback is a plain function: it reaches the answerer of its
// thread through this (one run, on one thread, at a time).
CMessageBoxAnswerer* activeAnswerer = nullptr;

// The control of a message box that holds its text.
constexpr int kMessageTextId = 0xFFFF;

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

CMessageBoxAnswerer::CMessageBoxAnswerer(CCommandOutput& output) : output_(output) {
    activeAnswerer = this;
    hook_ = SetWindowsHookExW(WH_CBT, &CMessageBoxAnswerer::OnWindowEvent, nullptr, GetCurrentThreadId());
}

CMessageBoxAnswerer::~CMessageBoxAnswerer() {
    if (hook_) {
        UnhookWindowsHookEx(hook_);
    }
    if (activeAnswerer == this) {
        activeAnswerer = nullptr;
    }
}

LRESULT CALLBACK CMessageBoxAnswerer::OnWindowEvent(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && activeAnswerer) {
        activeAnswerer->Answer(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CMessageBoxAnswerer::Answer(HWND box) {
    wchar_t className[16] = {};
    GetClassNameW(box, className, 16);
    if (std::wstring(className) != L"#32770") {
        return;
    }
    if (HWND text = GetDlgItem(box, kMessageTextId)) {
        // A message names the file it is about: one message, one line.
        output_.Print(win32::WithControlsShown(WindowText(text), win32::ControlCharacters::Escaped) +
                      L"\r\n");
    }
    const LRESULT defaultButton = SendMessageW(box, DM_GETDEFID, 0, 0);
    const WPARAM id = HIWORD(defaultButton) == DC_HASDEFID ? LOWORD(defaultButton) : IDOK;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

} // namespace nimbrel
