#include "ControlPos.h"

#include "Dpi.h"

#include <algorithm>

namespace nimbrel {

namespace {

// A size recorded at one DPI, at another.
SIZE Rescaled(SIZE size, int from, int to) {
    return from == to ? size : SIZE{MulDiv(size.cx, to, from), MulDiv(size.cy, to, from)};
}

RECT Rescaled(const RECT& rect, int from, int to) {
    return from == to ? rect
                      : RECT{MulDiv(rect.left, to, from), MulDiv(rect.top, to, from),
                             MulDiv(rect.right, to, from), MulDiv(rect.bottom, to, from)};
}

} // namespace

void CControlPos::SetParent(HWND parent) {
    parent_ = parent;
    children_.clear();
    setUpDpi_ = LayoutDpi(parent);
    RECT client{};
    GetClientRect(parent, &client);
    setUp_ = SIZE{client.right - client.left, client.bottom - client.top};
}

void CControlPos::SetMinimumSize(int width, int height) {
    minimum_ = SIZE{width, height};
}

SIZE CControlPos::Growth(int dpi) const {
    RECT client{};
    GetClientRect(parent_, &client);
    const SIZE minimum = Rescaled(minimum_, setUpDpi_, dpi);
    const SIZE setUp = Rescaled(setUp_, setUpDpi_, dpi);
    const LONG width = std::max(client.right - client.left, minimum.cx);
    const LONG height = std::max(client.bottom - client.top, minimum.cy);
    return SIZE{width - setUp.cx, height - setUp.cy};
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
    const SIZE growth = Growth(setUpDpi_);
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
    // Laid out for another DPI since set-up, the parent's places are those
    // of set-up in proportion.
    const int dpi = LayoutDpi(parent_);
    const SIZE growth = Growth(dpi);
    for (const Anchored& anchored : children_) {
        if (!IsWindow(anchored.child)) {
            continue;
        }
        RECT place = Rescaled(anchored.atSetUp, setUpDpi_, dpi);
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
