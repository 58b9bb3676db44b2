// Keeps a window's children anchored as the window is resized: each child
// follows the right or bottom edge, or stretches with the width or height.
#pragma once

#include <windows.h>

#include <vector>

namespace nimbrel {

class CControlPos {
public:
    // Anchoring flags, combined as needed.
    enum : unsigned {
        kMoveRight = 1,    // moves with the parent's right edge
        kMoveDown = 2,     // moves with the parent's bottom edge
        kStretchRight = 4, // its right edge follows the parent's width
        kStretchDown = 8,  // its bottom edge follows the parent's height
    };

    // Records the parent and its present client size, from which all growth
    // is measured, at the DPI the parent is laid out for (a parent laid out
    // for another DPI later has the places and sizes of set-up in
    // proportion). Children registered before are forgotten.
    void SetParent(HWND parent);
    // Below this client size (at the set-up DPI) the children stay where
    // they are at it.
    void SetMinimumSize(int width, int height);
    bool AddControl(int id, unsigned flags);
    bool AddControl(HWND child, unsigned flags);
    // Moves every registered child for the parent's present size (call from
    // the parent's size handler).
    void MoveControls() const;

private:
    struct Anchored {
        HWND child;
        unsigned flags;
        RECT atSetUp; // the child's place for the set-up size
    };
    SIZE Growth(int dpi) const;

    HWND parent_ = nullptr;
    int setUpDpi_ = 96;
    SIZE setUp_{0, 0};
    SIZE minimum_{0, 0};
    std::vector<Anchored> children_;
};

} // namespace nimbrel
