// The file list of the shredder.
#pragma once

#include "Window.h"

#include <string>

namespace nimbrel {

class CListBox : public CWindow {
public:
    using CWindow::CWindow;

    int AddString(const std::wstring& text) const {
        return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int DeleteString(int index) const {
        return static_cast<int>(Send(LB_DELETESTRING, static_cast<WPARAM>(index)));
    }
    void ResetContent() const { Send(LB_RESETCONTENT); }
    int Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }
    int FindStringExact(const std::wstring& text, int start = -1) const {
        return static_cast<int>(
            Send(LB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text.c_str())));
    }
    std::wstring GetText(int index) const;
};

} // namespace nimbrel
