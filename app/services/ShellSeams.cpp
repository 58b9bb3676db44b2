#include "ShellSeams.h"

#include "NimbrelControlApp.h"

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

namespace nimbrel {

int ShowMessage(HWND owner, const std::wstring& text, UINT type, const std::wstring& caption) {
    const std::wstring& title = caption.empty() ? std::wstring(kProductTitle) : caption;
    if (theApp.seams.messageBox) {
        return theApp.seams.messageBox(owner, text, title, type);
    }
    return MessageBoxW(owner, text.c_str(), title.c_str(), type);
}

void ShellOpen(const std::wstring& verb, const std::wstring& file, const std::wstring& parameters, int show) {
    if (theApp.seams.shellOpen) {
        theApp.seams.shellOpen(verb, file, parameters, show);
        return;
    }
    ShellExecuteW(nullptr, verb.c_str(), file.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
                  nullptr, show);
}

bool AskForFile(HWND owner, const std::wstring& title, const std::wstring& filter, std::wstring& chosen) {
    if (theApp.seams.openFile) {
        return theApp.seams.openFile(owner, title, chosen);
    }
    std::wstring filters = filter + L"||";
    for (wchar_t& c : filters) {
        if (c == L'|') {
            c = L'\0';
        }
    }
    std::vector<wchar_t> file(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    // A privacy cleaner leaves no trace of its own in the recent documents.
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                   OFN_NODEREFERENCELINKS | OFN_DONTADDTORECENT;
    if (!GetOpenFileNameW(&dialog)) {
        return false;
    }
    chosen = file.data();
    return true;
}

void ShowFolderInExplorer(const std::wstring& folder) {
    // A folder name with blanks must reach the file manager as one argument.
    ShellOpen(L"Open", L"explorer", L"\"" + folder + L"\"", SW_SHOWNORMAL);
}

} // namespace nimbrel
