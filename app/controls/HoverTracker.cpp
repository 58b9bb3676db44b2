#include "HoverTracker.h"

#include <commctrl.h>

namespace nimbrel {

bool CHoverTracker::OnMessage(HWND window, UINT message) {
    switch (message) {
    case WM_MOUSEMOVE:
        if (!tracking_) {
            TRACKMOUSEEVENT track{};
            track.cbSize = sizeof track;
            track.dwFlags = TME_HOVER | TME_LEAVE;
            track.hwndTrack = window;
            track.dwHoverTime = 1; // the hover look follows the mouse at once
            tracking_ = TrackMouseEvent(&track) != FALSE;
        }
        return false;
    case WM_MOUSEHOVER:
        if (!hovering_) {
            hovering_ = true;
            return true;
        }
        return false;
    case WM_MOUSELEAVE:
        tracking_ = false;
        if (hovering_) {
            hovering_ = false;
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace nimbrel
