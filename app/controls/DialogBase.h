// The base of every dialog, page and box of the program: one dialog
// procedure that finds the C++ object of the window and hands each message
// to a virtual handler. Runs modal (DoModal) or modeless (Create).
#pragma once

#include "Fonts.h"
#include "win32/GdiHandles.h"

#include <windows.h>

#include <vector>

namespace nimbrel {

class CDialogBase {
public:
    // `module` holds the template (null: the program itself).
    explicit CDialogBase(UINT templateId, HINSTANCE module = nullptr);
    CDialogBase(const CDialogBase&) = delete;
    CDialogBase& operator=(const CDialogBase&) = delete;
    // A modeless window still open is destroyed with its object. By then
    // the derived part is gone and its OnDestroy is not called: a class
    // whose OnDestroy matters destroys the window in its own destructor.
    virtual ~CDialogBase();

    // Runs the dialog until EndDialog; returns its result, or -1 when the
    // dialog could not be created.
    INT_PTR DoModal(HWND owner = nullptr);
    // Creates the dialog modeless (a page inside `parent`, or a top-level
    // window); false when it could not be created.
    bool Create(HWND parent);
    // Modal: ends the loop with the result. Modeless: destroys the window.
    void EndDialog(INT_PTR result);

    HWND Hwnd() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    bool IsModal() const { return modal_; }
    UINT TemplateId() const { return templateId_; }
    HINSTANCE Module() const { return module_; }

    // Gives the dialog and its controls the pixel layout they have at 96
    // DPI, grown in proportion for the DPI of the window's monitor, whatever
    // face the system gives the dialog font (call from OnInitDialog). The
    // dialog is laid out again when it moves to a monitor of another DPI.
    void LayoutAtFixedDpi();
    // The DPI the dialog is laid out for, and pixels or rectangles of its
    // 96-DPI layout made for it.
    int Dpi() const;
    int Scale(int pixels) const;
    RECT Scale(const RECT& rect) const;
    // Gives a control a font of its own, remade whenever the dialog's DPI
    // changes.
    void SetControlFont(int id, const FontSpec& spec);
    // Lays the dialog out for `dpi`: the template's places, the controls'
    // fonts and images, the child dialogs, then OnDpiChanged and a size
    // change for the dialog's own size, so that whatever its size handler
    // places goes to its new place. WM_DPICHANGED comes here.
    void ApplyDpi(int dpi);

    static CDialogBase* FromHandle(HWND window);

protected:
    // Return TRUE to let the system put the focus on the first control.
    virtual BOOL OnInitDialog() { return TRUE; }
    // A button, menu or accelerator command; false when not handled (IDOK
    // and IDCANCEL then go to OnOK and OnCancel).
    virtual bool OnCommand(int id, int code, HWND control);
    // A common control's notification; set `result` and return true when
    // handled.
    virtual bool OnNotify(int id, NMHDR& header, LRESULT& result);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnSize(UINT type, int width, int height);
    // Paints the client area (also when a child asks for the picture behind
    // it). Return false to leave the painting to the system.
    virtual bool OnPaint(HDC dc, const RECT& area);
    // Return true when the background was painted.
    virtual bool OnEraseBackground(HDC dc);
    // A brush for a child's background, or null for the default.
    virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT message);
    // Enter and the OK button. Modal: ends with IDOK; modeless: nothing,
    // so that Enter on a page never closes it.
    virtual void OnOK();
    // Escape, the Cancel button and the close box. Modal: ends with
    // IDCANCEL; modeless: nothing.
    virtual void OnCancel();
    virtual void OnShowWindow(bool shown);
    virtual void OnDestroy();
    // A control reported the mouse entering or leaving it.
    virtual void OnControlHover(int id, bool entered);
    // After ApplyDpi laid out the template and the children: for what the
    // dialog places or draws in pixels of its own (Scale), and its images.
    virtual void OnDpiChanged() {}
    // Sees every message first; return true (with `result`) to stop there.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR SetResult(LRESULT result);

    UINT templateId_;
    HINSTANCE module_;
    HWND hwnd_ = nullptr;
    bool modal_ = false;
    int dpi_ = 0; // not laid out yet
    bool laidOut_ = false;
    win32::UniqueFont layoutFont_;
    struct ControlFont {
        int id;
        FontSpec spec;
        win32::UniqueFont font;
    };
    std::vector<ControlFont> controlFonts_;
};

} // namespace nimbrel
