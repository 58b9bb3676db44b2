// The two places where the program hands something to the user's desktop:
// message boxes and the shell's "open" of files, folders and addresses.
// Every window and page goes through these, so that tests can watch what
// the user would see and answer it without a real message box waiting.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace nimbrel {

using MessageBoxHook =
    std::function<int(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type)>;
using ShellOpenHook = std::function<void(const std::wstring& verb, const std::wstring& file,
                                         const std::wstring& parameters, int show)>;

struct CShellSeams {
    MessageBoxHook messageBox; // empty: the platform's message box
    ShellOpenHook shellOpen;   // empty: the platform's ShellExecute
};

// A message box; the caption is the product title unless given. Returns the
// button pressed (IDOK, IDYES...).
int ShowMessage(HWND owner, const std::wstring& text, UINT type, const std::wstring& caption = L"");
// Starts a file, folder, address or program with a verb ("open", "Open").
void ShellOpen(const std::wstring& verb, const std::wstring& file, const std::wstring& parameters = L"",
               int show = SW_SHOWNORMAL);
// Shows a folder in the file manager.
void ShowFolderInExplorer(const std::wstring& folder);

} // namespace nimbrel
