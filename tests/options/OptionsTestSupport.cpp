#include "OptionsTestSupport.h"

#include "OptionsTestIds.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace options_tests {

const std::wstring kProduct = L"NimbrelTests Options";
const std::wstring kKey = L"SOFTWARE\\NimbrelTests Options";

namespace {

// The main window's client size and the Options page's place in it.
constexpr int kFrameWidth = 880;
constexpr int kFrameHeight = 580;
constexpr RECT kPagePlace{195, 120, 195 + 670, 120 + 440};

void SendMouseClick(HWND window, POINT clientPoint) {
    POINT screen = clientPoint;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    Pump();
    INPUT clicks[2]{};
    clicks[0].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].type = INPUT_MOUSE;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
    Pump();
}

} // namespace

bool PumpUntil(const std::function<bool()>& condition, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        Pump();
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
    }
}

HostWindow::HostWindow() : CDialogBase(IDD_OPTIONS_TEST_HOST), page(*this, kProduct) {}

void HostWindow::StartScanFromOptions() {
    ++scansStarted;
    if (onScanStarted) {
        onScanStarted();
    }
}

void HostWindow::ShowLastScanResults() {
    ++resultsShown;
}

void HostWindow::SetDashboardFlag() {
    ++dashboardFlagsSet;
}

BOOL HostWindow::OnInitDialog() {
    RECT frame{0, 0, kFrameWidth, kFrameHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(Hwnd(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE)));
    SetWindowPos(Hwnd(), HWND_TOP, 0, 0, frame.right - frame.left, frame.bottom - frame.top, SWP_NOACTIVATE);
    if (page.Create(Hwnd())) {
        SetWindowPos(page.Hwnd(), nullptr, kPagePlace.left, kPagePlace.top,
                     kPagePlace.right - kPagePlace.left, kPagePlace.bottom - kPagePlace.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(page.Hwnd(), SW_SHOW);
    }
    return TRUE;
}

bool HostWindow::OnEraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    win32::UniqueBrush green(CreateSolidBrush(RGB(61, 164, 75)));
    FillRect(dc, &client, green.Get());
    client.top = 104;
    win32::UniqueBrush navy(CreateSolidBrush(RGB(22, 52, 112)));
    FillRect(dc, &client, navy.Get());
    return true;
}

std::vector<HTREEITEM> ChildrenOf(const nimbrel::CTreeCtrl& tree, HTREEITEM node) {
    std::vector<HTREEITEM> children;
    for (HTREEITEM child = tree.GetChild(node); child; child = tree.GetNextSibling(child)) {
        children.push_back(child);
    }
    return children;
}

HTREEITEM FindNode(const nimbrel::CTreeCtrl& tree, const std::vector<std::wstring>& path) {
    HTREEITEM level = tree.GetRoot();
    HTREEITEM found = nullptr;
    for (const std::wstring& label : path) {
        found = nullptr;
        for (HTREEITEM node = level; node; node = tree.GetNextSibling(node)) {
            if (tree.GetItemText(node) == label) {
                found = node;
                break;
            }
        }
        if (!found) {
            return nullptr;
        }
        level = tree.GetChild(found);
    }
    return found;
}

std::vector<HTREEITEM> AllNodes(const nimbrel::CTreeCtrl& tree) {
    std::vector<HTREEITEM> nodes;
    std::vector<HTREEITEM> pending{tree.GetRoot()};
    while (!pending.empty()) {
        HTREEITEM node = pending.back();
        pending.pop_back();
        if (!node) {
            continue;
        }
        nodes.push_back(node);
        const auto children = ChildrenOf(tree, node);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return nodes;
}

std::vector<std::wstring> Split(const std::wstring& list) {
    std::vector<std::wstring> texts;
    for (size_t start = 0, end = 0; end != std::wstring::npos; start = end + 1) {
        end = list.find(L'|', start);
        texts.push_back(list.substr(start, end == std::wstring::npos ? end : end - start));
    }
    return texts;
}

std::wstring TabText(HWND tabs, int index) {
    wchar_t text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    TabCtrl_GetItem(tabs, index, &item);
    return text;
}

void ClickCheckBox(const nimbrel::CTreeCtrl& tree, HTREEITEM node) {
    TreeView_EnsureVisible(tree.Hwnd(), node);
    Pump();
    RECT text{};
    TreeView_GetItemRect(tree.Hwnd(), node, &text, TRUE);
    const int y = (text.top + text.bottom) / 2;
    // The box sits left of the label: find its columns as the tree does.
    int first = -1;
    int last = -1;
    for (int x = text.left - 1; x >= 0; --x) {
        TVHITTESTINFO hit{};
        hit.pt = POINT{x, y};
        TreeView_HitTest(tree.Hwnd(), &hit);
        const bool onBox = hit.hItem == node && (hit.flags & TVHT_ONITEMSTATEICON);
        if (onBox) {
            last = last < 0 ? x : last;
            first = x;
        } else if (last >= 0) {
            break;
        }
    }
    ASSERT_GE(first, 0) << "no check box left of the label";
    SendMouseClick(tree.Hwnd(), POINT{(first + last) / 2, y});
}

void PressSpaceOn(const nimbrel::CTreeCtrl& tree, HTREEITEM node) {
    tree.Select(node);
    SetForegroundWindow(GetAncestor(tree.Hwnd(), GA_ROOT));
    SetFocus(tree.Hwnd());
    Pump();
    INPUT keys[2]{};
    keys[0].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_SPACE;
    keys[1].type = INPUT_KEYBOARD;
    keys[1].ki.wVk = VK_SPACE;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    Pump();
}

void ClickTab(HWND tabs, int index) {
    RECT place{};
    TabCtrl_GetItemRect(tabs, index, &place);
    SendMouseClick(tabs, POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2});
}

} // namespace options_tests
