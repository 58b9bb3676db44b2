#include "FoundItemPreview.h"

#include "win32/ComApartment.h"
#include "win32/ComPtr.h"

#include <commctrl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cwctype>

namespace nimbrel {

namespace {

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return text;
}

std::wstring ExtensionOf(const std::wstring& path) {
    const size_t dot = path.rfind(L'.');
    return dot == std::wstring::npos ? std::wstring() : Lower(path.substr(dot + 1));
}

LRESULT CALLBACK WheelWatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    if (message == WM_MOUSEWHEEL) {
        SendMessageW(GetParent(window), WM_MOUSEWHEEL, wParam, lParam);
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, WheelWatch, id);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

bool IsRegistryFoundItem(const std::wstring& text) {
    return text.find(L"||", 1) != std::wstring::npos;
}

bool HasPictureExtension(const std::wstring& path) {
    const std::wstring extension = ExtensionOf(path);
    for (const wchar_t* picture : {L"ico", L"jpg", L"png", L"gif", L"jpeg", L"bmp"}) {
        if (extension == picture) {
            return true;
        }
    }
    return false;
}

bool IsLocalFullPath(const std::wstring& text) {
    return text.size() > 3 && std::iswalpha(text[0]) && text[1] == L':' && text[2] == L'\\';
}

std::wstring ShortcutTarget(const std::wstring& shortcut) {
    if (shortcut.size() >= MAX_PATH) {
        return L"";
    }
    win32::CComApartment apartment;
    win32::ComPtr<IShellLinkW> link;
    win32::ComPtr<IPersistFile> file;
    wchar_t target[MAX_PATH] = {};
    // Resolving may neither ask the user, nor search the disk or the
    // network for a moved target, nor write what it found into the user's
    // shortcut.
    const DWORD resolveFlags = SLR_NO_UI | SLR_NOUPDATE | SLR_NOSEARCH | SLR_NOTRACK | SLR_NOLINKINFO;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link.p))) ||
        FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))) ||
        FAILED(file->Load(shortcut.c_str(), STGM_READ | STGM_SHARE_DENY_NONE)) ||
        FAILED(link->Resolve(nullptr, resolveFlags)) ||
        FAILED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH))) {
        return L"";
    }
    return target;
}

std::wstring PreviewPictureFor(const std::wstring& foundItemText) {
    if (IsRegistryFoundItem(foundItemText) || !IsLocalFullPath(foundItemText)) {
        return L"";
    }
    std::wstring path = foundItemText;
    if (ExtensionOf(path) == L"lnk") {
        path = ShortcutTarget(path);
        // A shortcut may name anything: only a picture on a drive is opened.
        if (!IsLocalFullPath(path)) {
            return L"";
        }
    }
    return HasPictureExtension(path) ? path : L"";
}

void TellParentOfWheel(HWND window) {
    SetWindowSubclass(window, WheelWatch, 0, 0);
}

void StopTellingParentOfWheel(HWND window) {
    RemoveWindowSubclass(window, WheelWatch, 0);
}

} // namespace nimbrel
