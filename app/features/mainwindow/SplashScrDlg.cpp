#include "SplashScrDlg.h"

#include "Dpi.h"
#include "ProgramLook.h"
#include "resource.h"

namespace nimbrel {

CSplashScrDlg::CSplashScrDlg(UINT milliseconds) : CDialogBase(IDD_SPLASH), milliseconds_(milliseconds) {}

BOOL CSplashScrDlg::OnInitDialog() {
    LayoutAtFixedDpi();
    picture_ = LoadBitmapForDpi(Module(), IDB_SPLASH, Dpi());
    // Laid out anew, the window is centred on the screen again.
    RECT frame{};
    GetWindowRect(Hwnd(), &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(Hwnd(), HWND_TOP, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE);
    SetTimer(Hwnd(), kCloseTimer, milliseconds_, nullptr);
    SetForegroundWindow(Hwnd());
    return FALSE;
}

void CSplashScrDlg::OnTimer(UINT_PTR id) {
    if (id == kCloseTimer) {
        KillTimer(Hwnd(), kCloseTimer);
        EndDialog(1);
    }
}

bool CSplashScrDlg::OnEraseBackground(HDC) {
    return true; // the picture covers the window
}

bool CSplashScrDlg::OnPaint(HDC dc, const RECT&) {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    // Whatever the picture leaves uncovered matches its navy.
    FillColour(dc, client, kBodyNavy);
    DrawBitmapAt(dc, picture_.Get(), 0, 0);
    return true;
}

} // namespace nimbrel
