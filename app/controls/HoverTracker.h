// Tells a control when the mouse comes to rest over it and when it leaves,
// through the platform's hover and leave notifications.
#pragma once

#include <windows.h>

namespace nimbrel {

class CHoverTracker {
public:
    // Feed every message of the control; true when the hover state changed
    // (the control then redraws).
    bool OnMessage(HWND window, UINT message);
    bool IsHovering() const { return hovering_; }

private:
    bool tracking_ = false;
    bool hovering_ = false;
};

} // namespace nimbrel
