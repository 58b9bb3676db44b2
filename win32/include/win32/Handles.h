// Owners for the platform handles every binary opens: whatever path leaves
// a function (a stop request included) closes what it opened.
#pragma once

#include <windows.h>

#include <utility>

namespace win32 {

template <class Traits> class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : handle_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, Traits::Invalid()));
        }
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    Handle Get() const { return handle_; }
    bool Valid() const { return handle_ != Traits::Invalid(); }
    explicit operator bool() const { return Valid(); }

    // For out-parameters of the platform's open calls.
    Handle* Put() {
        Reset();
        return &handle_;
    }
    void Reset(Handle h = Traits::Invalid()) {
        if (Valid()) {
            Traits::Close(handle_);
        }
        handle_ = h;
    }
    Handle Release() { return std::exchange(handle_, Traits::Invalid()); }

private:
    Handle handle_ = Traits::Invalid();
};

struct RegKeyTraits {
    using Handle = HKEY;
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY h) { RegCloseKey(h); }
};

struct FindTraits {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { FindClose(h); }
};

struct FileTraits {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};

struct KernelObjectTraits {
    using Handle = HANDLE;
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};

struct ModuleTraits {
    using Handle = HMODULE;
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE h) { FreeLibrary(h); }
};

// Memory the platform hands out with LocalAlloc (security descriptors,
// SIDs in text, argument vectors).
struct LocalMemoryTraits {
    using Handle = void*;
    static void* Invalid() { return nullptr; }
    static void Close(void* p) { LocalFree(p); }
};

using UniqueKey = UniqueHandle<RegKeyTraits>;
using UniqueFind = UniqueHandle<FindTraits>;
using UniqueFile = UniqueHandle<FileTraits>;
using UniqueKernelHandle = UniqueHandle<KernelObjectTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueLocalMemory = UniqueHandle<LocalMemoryTraits>;

} // namespace win32
