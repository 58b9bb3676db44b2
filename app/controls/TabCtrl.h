// The tab strip of the option pages.
#pragma once

#include "Window.h"

#include <commctrl.h>

#include <string>

namespace nimbrel {

class CTabCtrl : public CWindow {
public:
    using CWindow::CWindow;

    int InsertItem(int index, const std::wstring& text) const {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(text.c_str());
        return static_cast<int>(
            Send(TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
    }
    int GetCurSel() const { return TabCtrl_GetCurSel(hwnd_); }
    int SetCurSel(int index) const { return TabCtrl_SetCurSel(hwnd_, index); }
    int Count() const { return TabCtrl_GetItemCount(hwnd_); }
};

} // namespace nimbrel
