// The updater's one process-wide object: how it talks to the user. Every
// message of the updater goes through ShowMessage, so tests can observe and
// answer them instead of a real message box.
#pragma once

#include <windows.h>

#include <string>

namespace updrift {

// Shows a message; the result is the button pressed.
using MessageBoxHook = int (*)(const std::wstring& text, const std::wstring& caption, UINT type);

inline constexpr wchar_t kProductTitle[] = L"Nimbrel";

class CUpdriftApp {
public:
    MessageBoxHook messageBox = nullptr; // null: the platform's message box

    // A plain information box with an OK button and no owner window.
    int ShowMessage(const std::wstring& text, const std::wstring& caption = kProductTitle);
};

extern CUpdriftApp theApp;

} // namespace updrift
