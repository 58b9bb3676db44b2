// A thin, non-owning wrapper over a window handle with the calls the pages
// make again and again.
#pragma once

#include <windows.h>

#include <string>

namespace nimbrel {

class CWindow {
public:
    CWindow() = default;
    explicit CWindow(HWND window) : hwnd_(window) {}

    HWND Hwnd() const { return hwnd_; }
    explicit operator bool() const { return hwnd_ != nullptr; }

    int ControlId() const { return GetDlgCtrlID(hwnd_); }
    HWND Parent() const { return GetParent(hwnd_); }
    std::wstring Text() const;
    void SetText(const std::wstring& text) const { SetWindowTextW(hwnd_, text.c_str()); }
    void Show(bool shown) const { ShowWindow(hwnd_, shown ? SW_SHOW : SW_HIDE); }
    bool IsVisible() const { return IsWindowVisible(hwnd_) != FALSE; }
    void Enable(bool enabled) const { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
    void Invalidate(bool erase = true) const { InvalidateRect(hwnd_, nullptr, erase ? TRUE : FALSE); }
    // Repaints now rather than at the next idle moment.
    void Redraw() const { RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }
    RECT ClientRect() const;
    // The window's rectangle in its parent's client coordinates.
    RECT RectInParent() const;
    void Move(const RECT& rect, bool repaint = true) const;
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageW(hwnd_, message, wParam, lParam);
    }

protected:
    HWND hwnd_ = nullptr;
};

} // namespace nimbrel
