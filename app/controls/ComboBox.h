// A drop-down list of choices.
#pragma once

#include "Window.h"

#include <string>

namespace nimbrel {

class CComboBox : public CWindow {
public:
    using CWindow::CWindow;

    int AddString(const std::wstring& text) const {
        return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    void ResetContent() const { Send(CB_RESETCONTENT); }
    int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    // -1 when nothing is selected.
    int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void SetCurSel(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
};

} // namespace nimbrel
