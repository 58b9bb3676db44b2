// A page of the main window: a child dialog on one plain colour, which its
// labels and buttons show behind them too.
#pragma once

#include "DialogBase.h"
#include "win32/GdiHandles.h"

namespace nimbrel {

class CPageDialog : public CDialogBase {
public:
    // The colour of every page.
    static constexpr COLORREF kPageColor = RGB(255, 255, 255);

    explicit CPageDialog(UINT templateId, HINSTANCE module = nullptr);

protected:
    bool OnEraseBackground(HDC dc) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;

private:
    win32::UniqueBrush background_;
};

} // namespace nimbrel
