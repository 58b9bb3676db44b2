// The tab strip of the option pages.
#pragma once

#include "Window.h"

#include <commctrl.h>

#include <string>

namespace nimbrel {

class CTabCtrl : public CWindow {
public:
    using CWindow::CWindow;

    // `image`: the tab's picture in the strip's image list, -1 for none.
    int InsertItem(int index, const std::wstring& text, int image = -1) const {
        TCITEMW item{};
        item.mask = TCIF_TEXT | (image >= 0 ? TCIF_IMAGE : 0);
        item.pszText = const_cast<wchar_t*>(text.c_str());
        item.iImage = image;
        return static_cast<int>(
            Send(TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
    }
    void SetImageList(HIMAGELIST images) const { TabCtrl_SetImageList(hwnd_, images); }
    int GetCurSel() const { return TabCtrl_GetCurSel(hwnd_); }
    int SetCurSel(int index) const { return TabCtrl_SetCurSel(hwnd_, index); }
    int Count() const { return TabCtrl_GetItemCount(hwnd_); }
    // The area below the tabs where a page goes, in the strip's parent's
    // client coordinates.
    RECT DisplayArea() const {
        RECT area = ClientRect();
        TabCtrl_AdjustRect(hwnd_, FALSE, &area);
        MapWindowPoints(hwnd_, Parent(), reinterpret_cast<POINT*>(&area), 2);
        return area;
    }
};

} // namespace nimbrel
