#include "ControlPos.h"

#include <algorithm>

namespace nimbrel {

void CControlPos::SetParent(HWND parent) {
    parent_ = parent;
    children_.clear();
    RECT client{};
    GetClientRect(parent, &client);
    setUp_ = SIZE{client.right - client.left, client.bottom - client.top};
}

void CControlPos::SetMinimumSize(int width, int height) {
    minimum_ = SIZE{width, height};
}

SIZE CControlPos::Growth() const {
    RECT client{};
    GetClientRect(parent_, &client);
    const LONG width = std::max(client.right - client.left, minimum_.cx);
    const LONG height = std::max(client.bottom - client.top, minimum_.cy);
    return SIZE{width - setUp_.cx, height - setUp_.cy};
}

bool CControlPos::AddControl(int id, unsigned flags) {
    return AddControl(GetDlgItem(parent_, id), flags);
}

bool CControlPos::AddControl(HWND child, unsigned flags) {
    if (!parent_ || !child || GetParent(child) != parent_) {
        return false;
    }
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(HWND_DESKTOP, parent_, reinterpret_cast<POINT*>(&place), 2);
    // Every move starts from the place the child would have at the set-up
    // size, so repeated resizing never makes the children drift.
    const SIZE growth = Growth();
    if (flags & kStretchDown) {
        place.bottom -= growth.cy;
    }
    if (flags & kStretchRight) {
        place.right -= growth.cx;
    }
    if (flags & kMoveDown) {
        OffsetRect(&place, 0, -growth.cy);
    }
    if (flags & kMoveRight) {
        OffsetRect(&place, -growth.cx, 0);
    }
    children_.push_back(Anchored{child, flags, place});
    return true;
}

void CControlPos::MoveControls() const {
    // A minimised parent has no client area: the children keep their places
    // for the restore.
    if (!parent_ || IsIconic(parent_)) {
        return;
    }
    const SIZE growth = Growth();
    for (const Anchored& anchored : children_) {
        if (!IsWindow(anchored.child)) {
            continue;
        }
        RECT place = anchored.atSetUp;
        if (anchored.flags & kStretchDown) {
            place.bottom += growth.cy;
        }
        if (anchored.flags & kStretchRight) {
            place.right += growth.cx;
        }
        if (anchored.flags & kMoveDown) {
            OffsetRect(&place, 0, growth.cy);
        }
        if (anchored.flags & kMoveRight) {
            OffsetRect(&place, growth.cx, 0);
        }
        MoveWindow(anchored.child, place.left, place.top, place.right - place.left, place.bottom - place.top,
                   TRUE);
    }
}

} // namespace nimbrel
