#pragma once
// Thin owners of GDI+ flat-API objects: each keeps the status of the call that
// made it and deletes its object once. Statuses are kept, never raised.

#include <string>
#include <utility>

#include "platform/gdiplus_include.h"

namespace zentrova::platform::gdip {

template <typename T, typename Deleter>
class Owner {
public:
    Owner() = default;
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;
    Owner(Owner&& other) noexcept : object_(std::exchange(other.object_, nullptr)), status_(other.status_) {}
    ~Owner() { if (object_) Deleter{}(object_); }

    T* get() const { return object_; }
    T** out() { return &object_; }
    explicit operator bool() const { return object_ != nullptr; }
    Gdiplus::GpStatus status() const { return status_; }
    void set_status(Gdiplus::GpStatus status) { status_ = status; }

private:
    T* object_ = nullptr;
    Gdiplus::GpStatus status_ = Gdiplus::Ok;
};

// Deleters as types: the flat API's functions are stdcall.
struct DeleteImage { void operator()(Gdiplus::GpBitmap* p) const { Gdiplus::DllExports::GdipDisposeImage(p); } };
struct DeleteGraphics { void operator()(Gdiplus::GpGraphics* p) const { Gdiplus::DllExports::GdipDeleteGraphics(p); } };
struct DeleteFamily { void operator()(Gdiplus::GpFontFamily* p) const { Gdiplus::DllExports::GdipDeleteFontFamily(p); } };
struct DeleteFont { void operator()(Gdiplus::GpFont* p) const { Gdiplus::DllExports::GdipDeleteFont(p); } };
struct DeleteBrush { void operator()(Gdiplus::GpBrush* p) const { Gdiplus::DllExports::GdipDeleteBrush(p); } };
struct DeleteFormat {
    void operator()(Gdiplus::GpStringFormat* p) const { Gdiplus::DllExports::GdipDeleteStringFormat(p); }
};

using Bitmap = Owner<Gdiplus::GpBitmap, DeleteImage>;
using Graphics = Owner<Gdiplus::GpGraphics, DeleteGraphics>;
using FontFamily = Owner<Gdiplus::GpFontFamily, DeleteFamily>;
using Font = Owner<Gdiplus::GpFont, DeleteFont>;
using Brush = Owner<Gdiplus::GpBrush, DeleteBrush>;
using StringFormat = Owner<Gdiplus::GpStringFormat, DeleteFormat>;

}  // namespace zentrova::platform::gdip
