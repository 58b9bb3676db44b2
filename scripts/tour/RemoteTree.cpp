#include "RemoteTree.h"

namespace tour {

namespace {

constexpr size_t kTextChars = 1024;

} // namespace

RemoteTree::RemoteTree(HWND tree) : tree_(tree) {
    DWORD id = 0;
    GetWindowThreadProcessId(tree, &id);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    if (process_) {
        remote_ = VirtualAllocEx(process_, nullptr, sizeof(TVITEMW) + kTextChars * sizeof(wchar_t),
                                 MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
}

RemoteTree::~RemoteTree() {
    if (remote_) {
        VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    }
    if (process_) {
        CloseHandle(process_);
    }
}

HTREEITEM RemoteTree::Root() const {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_ROOT, 0));
}

HTREEITEM RemoteTree::Child(HTREEITEM item) const {
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM RemoteTree::Next(HTREEITEM item) const {
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
}

std::vector<HTREEITEM> RemoteTree::Children(HTREEITEM item) const {
    std::vector<HTREEITEM> children;
    for (HTREEITEM child = item ? Child(item) : Root(); child; child = Next(child)) {
        children.push_back(child);
    }
    return children;
}

std::wstring RemoteTree::Text(HTREEITEM item) const {
    if (!remote_) {
        return {};
    }
    auto* remoteText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote_) + sizeof(TVITEMW));
    TVITEMW query{};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = remoteText;
    query.cchTextMax = static_cast<int>(kTextChars);
    if (!WriteProcessMemory(process_, remote_, &query, sizeof query, nullptr) ||
        !SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote_))) {
        return {};
    }
    std::wstring text(kTextChars, L'\0');
    if (!ReadProcessMemory(process_, remoteText, text.data(), kTextChars * sizeof(wchar_t), nullptr)) {
        return {};
    }
    text.resize(wcsnlen(text.c_str(), kTextChars));
    return text;
}

bool RemoteTree::Checked(HTREEITEM item) const {
    const auto state =
        SendMessageW(tree_, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_STATEIMAGEMASK);
    return (state >> 12) == 2;
}

HTREEITEM RemoteTree::ChildNamed(HTREEITEM parent, const std::wstring& text) const {
    for (HTREEITEM child : Children(parent)) {
        if (Text(child) == text) {
            return child;
        }
    }
    return nullptr;
}

void RemoteTree::Expand(HTREEITEM item) const {
    SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

void RemoteTree::Select(HTREEITEM item) const {
    SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    SendMessageW(tree_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
}

void RemoteTree::ToggleWithSpace(HTREEITEM item) const {
    Select(item);
    PostMessageW(tree_, WM_KEYDOWN, VK_SPACE, 0x00390001);
    PostMessageW(tree_, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001));
}

} // namespace tour
