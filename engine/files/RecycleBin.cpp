#include "files/RecycleBin.h"

#include "win32/PathText.h"
#include "win32/Text.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <memory>

namespace scrub {
namespace {

template <class Interface> class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() { Reset(); }
    Interface* operator->() const { return pointer_; }
    Interface* Get() const { return pointer_; }
    Interface** Put() {
        Reset();
        return &pointer_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    void Reset() {
        if (pointer_) {
            pointer_->Release();
            pointer_ = nullptr;
        }
    }

private:
    Interface* pointer_ = nullptr;
};

struct ShellFree {
    void operator()(void* memory) const { CoTaskMemFree(memory); }
};
using ItemList = std::unique_ptr<ITEMIDLIST, ShellFree>;

// The shell needs COM on this thread; a host that set it up keeps its own.
class ComScope {
public:
    ComScope() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        if (initialized_) {
            CoUninitialize();
        }
    }

private:
    bool initialized_;
};

std::wstring TextOf(STRRET& text, PCUITEMID_CHILD entry) {
    switch (text.uType) {
    case STRRET_WSTR: {
        std::unique_ptr<wchar_t, ShellFree> owned(text.pOleStr);
        return owned ? std::wstring(owned.get()) : std::wstring();
    }
    case STRRET_CSTR:
        return win32::Utf16FromAnsi(text.cStr);
    case STRRET_OFFSET:
        return win32::Utf16FromAnsi(reinterpret_cast<const char*>(entry) + text.uOffset);
    default:
        return {};
    }
}

// The size column of the shell's details ("System.Size").
const SHCOLUMNID kSizeColumn = {
    {0xB725F130, 0x47EF, 0x101A, {0xA5, 0xF1, 0x02, 0x60, 0x8C, 0x9E, 0xEB, 0xAC}}, 12};

// The size of the deleted file an entry stands for, as far as the shell
// tells it: its find data, or else its size detail. False when neither says.
bool EntrySize(IShellFolder* bin, PCUITEMID_CHILD entry, unsigned long long& bytes) {
    WIN32_FIND_DATAW found = {};
    if (SUCCEEDED(SHGetDataFromIDListW(bin, entry, SHGDFIL_FINDDATA, &found, sizeof found)) &&
        (found.cFileName[0] != 0 || found.nFileSizeLow != 0 || found.nFileSizeHigh != 0)) {
        bytes = (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        return true;
    }
    ComRef<IShellFolder2> details;
    if (FAILED(bin->QueryInterface(IID_IShellFolder2, details.PutVoid()))) {
        return false;
    }
    VARIANT size;
    VariantInit(&size);
    const bool known = SUCCEEDED(details->GetDetailsEx(entry, &kSizeColumn, &size)) &&
                       SUCCEEDED(VariantChangeType(&size, &size, 0, VT_UI8));
    bytes = known ? size.ullVal : 0;
    VariantClear(&size);
    return known;
}

} // namespace

std::vector<RecycleBinEntry> RecycleBinEntries(bool withSizes) {
    std::vector<RecycleBinEntry> found;
    ComScope com;
    ComRef<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Put()))) {
        return found;
    }
    ItemList binLocation;
    {
        PIDLIST_ABSOLUTE location = nullptr;
        if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_BITBUCKET, &location))) {
            return found;
        }
        binLocation.reset(location);
    }
    ComRef<IShellFolder> bin;
    if (FAILED(desktop->BindToObject(binLocation.get(), nullptr, IID_IShellFolder, bin.PutVoid()))) {
        return found;
    }
    ComRef<IEnumIDList> entries;
    if (bin->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, entries.Put()) != S_OK ||
        !entries.Get()) {
        return found;
    }
    for (;;) {
        PITEMID_CHILD next = nullptr;
        ULONG fetched = 0;
        if (entries->Next(1, &next, &fetched) != S_OK || fetched != 1 || !next) {
            CoTaskMemFree(next);
            break;
        }
        ItemList entry(next);
        STRRET name;
        if (FAILED(bin->GetDisplayNameOf(entry.get(), SHGDN_INFOLDER, &name))) {
            continue;
        }
        RecycleBinEntry shown;
        shown.name = TextOf(name, entry.get());
        if (withSizes) {
            shown.sizeKnown = EntrySize(bin.Get(), entry.get(), shown.bytes);
        }
        found.push_back(std::move(shown));
    }
    return found;
}

bool RecycleBinHolds(const std::wstring& name) {
    for (const RecycleBinEntry& entry : RecycleBinEntries(false)) {
        if (win32::EqualsNoCase(entry.name, name)) {
            return true;
        }
    }
    return false;
}

} // namespace scrub
