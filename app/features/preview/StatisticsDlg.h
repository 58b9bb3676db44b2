// The image preview panel: a small borderless panel with one picture,
// which the scan page shows over its tree of found items when the user
// selects a picture file.
#pragma once

#include "DialogBase.h"
#include "win32/GdiHandles.h"
#include "GdiplusSession.h"
#include "PictureCtrl.h"

#include <string>

namespace nimbrel {

class CStatisticsDlg : public CDialogBase {
public:
    CStatisticsDlg();

    // Loads the picture file and redraws. True when there is a picture to
    // show: false for a file that cannot be read, is larger than the
    // picture control takes, or holds no picture it can draw (the panel is
    // then empty).
    bool ShowPreviewImage(const std::wstring& path);
    const CPictureCtrl& Picture() const { return picture_; }

protected:
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int width, int height) override;
    bool OnEraseBackground(HDC dc) override;

private:
    // Started with the panel, ended after its picture has gone.
    CGdiplusSession imaging_;
    CPictureCtrl picture_;
    win32::UniqueBrush background_;
};

} // namespace nimbrel
