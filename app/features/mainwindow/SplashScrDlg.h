// The splash picture at start-up: a borderless window that shows the
// splash image for a fixed time and then closes by itself. Enter and
// Escape cannot shorten it.
#pragma once

#include "DialogBase.h"
#include "win32/GdiHandles.h"

namespace nimbrel {

class CSplashScrDlg : public CDialogBase {
public:
    static constexpr UINT kDefaultMilliseconds = 4000;
    static constexpr UINT_PTR kCloseTimer = 100;

    explicit CSplashScrDlg(UINT milliseconds = kDefaultMilliseconds);

protected:
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    bool OnEraseBackground(HDC dc) override;
    bool OnPaint(HDC dc, const RECT& area) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    UINT milliseconds_;
    win32::UniqueBitmap picture_;
};

} // namespace nimbrel
