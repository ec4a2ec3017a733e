#pragma once
// RAII owners for the Win32 and GDI handles the program owns. Owning types
// delete copying; each frees its handle exactly once.

#include <windows.h>

#include <utility>

namespace zentrova::platform {

template <typename Handle, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, Handle{}));
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    void reset(Handle handle = Handle{}) {
        if (handle_ != Handle{}) Traits::Free(handle_);
        handle_ = handle;
    }
    Handle release() { return std::exchange(handle_, Handle{}); }

private:
    Handle handle_{};
};

struct BitmapTraits { static void Free(HBITMAP h) { DeleteObject(h); } };
struct FontTraits { static void Free(HFONT h) { DeleteObject(h); } };
struct RegionTraits { static void Free(HRGN h) { DeleteObject(h); } };
struct DcTraits { static void Free(HDC h) { DeleteDC(h); } };
struct KeyTraits { static void Free(HKEY h) { RegCloseKey(h); } };
struct IconTraits { static void Free(HICON h) { DestroyIcon(h); } };
struct MenuTraits { static void Free(HMENU h) { DestroyMenu(h); } };
struct KernelHandleTraits { static void Free(HANDLE h) { CloseHandle(h); } };
struct WinEventHookTraits { static void Free(HWINEVENTHOOK h) { UnhookWinEvent(h); } };

using UniqueBitmap = UniqueHandle<HBITMAP, BitmapTraits>;
using UniqueFont = UniqueHandle<HFONT, FontTraits>;
using UniqueRegion = UniqueHandle<HRGN, RegionTraits>;
using UniqueDc = UniqueHandle<HDC, DcTraits>;
using UniqueKey = UniqueHandle<HKEY, KeyTraits>;
using UniqueIcon = UniqueHandle<HICON, IconTraits>;
using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
using UniqueWinEventHook = UniqueHandle<HWINEVENTHOOK, WinEventHookTraits>;

// A screen DC obtained with GetDC(nullptr), released on destruction.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ~ScreenDc() { if (dc_) ReleaseDC(nullptr, dc_); }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a DC for a scope and puts the previous one back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() { if (previous_) SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace zentrova::platform
