// The About box: version, the vendor's addresses, and the four
// preferences. Every check box writes its setting the moment it is
// clicked; the start-up box also adds or removes the start-up entry.
#pragma once

#include "DialogBase.h"
#include "HyperLinkButton.h"
#include "Label.h"

#include <array>

namespace nimbrel {

class CAboutDilg : public CDialogBase {
public:
    CAboutDilg();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;
    bool OnEraseBackground(HDC dc) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    void OnDpiChanged() override;

private:
    void OnAutoUpdateClicked();
    void OnPromptClicked();
    void OnStartupClicked();
    void OnMinimiseClicked();
    // A click on a preference's text acts as a click on its box.
    void ToggleAndApply(int box);
    bool IsChecked(int box) const;

    CLabel title_;
    std::array<CLabel, 9> labels_;
    CHyperLinkButton website_;
    CHyperLinkButton supportPage_;
    CHyperLinkButton supportEmail_;
    win32::UniqueBrush white_;
    HICON icon_ = nullptr; // a shared resource icon: never destroyed
};

} // namespace nimbrel
