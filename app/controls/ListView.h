// The report tables of the results page.
#pragma once

#include "Window.h"

#include <commctrl.h>

#include <string>

namespace nimbrel {

class CListView : public CWindow {
public:
    using CWindow::CWindow;

    int InsertColumn(int index, const std::wstring& title, int width, int format = LVCFMT_LEFT) const;
    int InsertItem(int index, const std::wstring& text) const;
    bool SetItemText(int item, int column, const std::wstring& text) const;
    std::wstring GetItemText(int item, int column) const;
    int Count() const { return ListView_GetItemCount(hwnd_); }
    void DeleteAllItems() const { ListView_DeleteAllItems(hwnd_); }
};

} // namespace nimbrel
