// Buttons and check boxes of the pages.
#pragma once

#include "Window.h"

namespace nimbrel {

class CButton : public CWindow {
public:
    using CWindow::CWindow;

    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetCheck(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
    // Presses the button as the user would: the parent gets its click.
    void Click() const { Send(BM_CLICK); }
};

} // namespace nimbrel
