#include "ShellSeams.h"

#include "NimbrelControlApp.h"

#include <shellapi.h>

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

void ShowFolderInExplorer(const std::wstring& folder) {
    // A folder name with blanks must reach the file manager as one argument.
    ShellOpen(L"Open", L"explorer", L"\"" + folder + L"\"", SW_SHOWNORMAL);
}

} // namespace nimbrel
