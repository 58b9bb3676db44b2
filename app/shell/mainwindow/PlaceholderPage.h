// An empty page of a page's size and place, with the page's name as its
// heading. The main window shows one wherever a page of its own is still
// to be built (scan page, dashboard, shredder, results report, preview
// panel), so that the navigation works end to end meanwhile. It is NOT
// the page: it has none of the page's controls.
#pragma once

#include "DialogBase.h"
#include "GdiHandles.h"

#include <string>

namespace nimbrel {

class CPlaceholderPage : public CDialogBase {
public:
    // `pageId` becomes the window's control identifier (the page's id).
    CPlaceholderPage(int pageId, std::wstring heading);

    // Creates the page hidden inside `parent` at `place` (parent pixels).
    bool CreateAt(HWND parent, const RECT& place);

protected:
    BOOL OnInitDialog() override;
    bool OnEraseBackground(HDC dc) override;
    bool OnPaint(HDC dc, const RECT& area) override;

private:
    int pageId_;
    std::wstring heading_;
    UniqueFont headingFont_;
};

} // namespace nimbrel
