// The base of the custom controls: a C++ object bound to an existing child
// window (usually one from a dialog template) whose messages it sees first.
#pragma once

#include "Window.h"

namespace nimbrel {

class CSubclassedControl : public CWindow {
public:
    CSubclassedControl() = default;
    CSubclassedControl(const CSubclassedControl&) = delete;
    CSubclassedControl& operator=(const CSubclassedControl&) = delete;
    virtual ~CSubclassedControl();

    // Binds to the window; false when it is missing or already bound.
    bool Attach(HWND window);
    bool SubclassDlgItem(int id, HWND parent) { return Attach(GetDlgItem(parent, id)); }
    void Detach();

protected:
    // Sees every message of the window; what it does not handle goes to
    // Default, the window's own procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Called once bound, to adjust styles or read the template's settings.
    virtual void OnAttached() {}
    // The dialog holding the control was laid out for another DPI: remake
    // what was made for the old one.
    virtual void OnDpiChanged() {}
    // The DPI the control's dialog is laid out for.
    int Dpi() const;

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
};

} // namespace nimbrel
