// A tree view of another process, read and driven as the user would: item
// handles and check marks travel in the messages themselves, texts through
// memory lent in that process.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace tour {

class RemoteTree {
public:
    explicit RemoteTree(HWND tree);
    ~RemoteTree();
    RemoteTree(const RemoteTree&) = delete;
    RemoteTree& operator=(const RemoteTree&) = delete;

    HTREEITEM Root() const;
    HTREEITEM Child(HTREEITEM item) const;
    HTREEITEM Next(HTREEITEM item) const;
    std::vector<HTREEITEM> Children(HTREEITEM item) const;
    std::wstring Text(HTREEITEM item) const;
    bool Checked(HTREEITEM item) const;
    // The first child whose text is `text`, or null.
    HTREEITEM ChildNamed(HTREEITEM parent, const std::wstring& text) const;

    void Expand(HTREEITEM item) const;
    // Selects the item and scrolls it into view, as a click on its text does.
    void Select(HTREEITEM item) const;
    // Selects the item and presses the space bar on it, as the user ticks
    // or unticks a box from the keyboard.
    void ToggleWithSpace(HTREEITEM item) const;

private:
    HWND tree_;
    HANDLE process_ = nullptr;
    void* remote_ = nullptr; // a TVITEMW and its text buffer in the tree's process
};

} // namespace tour
