// The places where the program hands something to the user's desktop:
// message boxes, the open-file dialog and the shell's "open" of files,
// folders and addresses. Every window and page goes through these, so that
// tests can watch what the user would see and answer it without a real
// message box or dialog waiting.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace nimbrel {

using MessageBoxHook =
    std::function<int(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type)>;
using ShellOpenHook = std::function<void(const std::wstring& verb, const std::wstring& file,
                                         const std::wstring& parameters, int show)>;
// Sets `chosen` and returns true, or returns false as a cancelled dialog.
using OpenFileHook = std::function<bool(HWND owner, const std::wstring& title, std::wstring& chosen)>;

struct CShellSeams {
    MessageBoxHook messageBox; // empty: the platform's message box
    ShellOpenHook shellOpen;   // empty: the platform's ShellExecute
    OpenFileHook openFile;     // empty: the platform's open-file dialog
};

// A message box; the caption is the product title unless given. Returns the
// button pressed (IDOK, IDYES...).
int ShowMessage(HWND owner, const std::wstring& text, UINT type, const std::wstring& caption = L"");
// Starts a file, folder, address or program with a verb ("open", "Open").
void ShellOpen(const std::wstring& verb, const std::wstring& file, const std::wstring& parameters = L"",
               int show = SW_SHOWNORMAL);
// The open-file dialog for one existing file; `filter` as "All Files|*.*".
// A shortcut the user picks is the file chosen, not where it points. False
// when the user cancels.
bool AskForFile(HWND owner, const std::wstring& title, const std::wstring& filter, std::wstring& chosen);
// Shows a folder in the file manager.
void ShowFolderInExplorer(const std::wstring& folder);

} // namespace nimbrel
