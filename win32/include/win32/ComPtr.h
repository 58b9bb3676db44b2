// An owner for a COM interface pointer: released on every way out.
#pragma once

namespace win32 {

template <class T> struct ComPtr {
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (p) {
            p->Release();
        }
    }
    T* operator->() const { return p; }

    T* p = nullptr; // filled by the creating call through &p
};

} // namespace win32
