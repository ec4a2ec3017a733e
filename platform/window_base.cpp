#include "platform/window_base.h"

#include <string>

#include "platform/wide_text.h"

namespace zentrova::platform {

WindowBase::~WindowBase() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool WindowBase::CreateWindowFrom(const WindowOptions& entry) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring className = Widen(entry.className);
    const std::wstring caption = Widen(entry.caption);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (!GetClassInfoExW(instance, className.c_str(), &existing)) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &WindowBase::Procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.hIcon = entry.icon;
        windowClass.hIconSm = entry.icon;
        windowClass.lpszClassName = className.c_str();
        if (!RegisterClassExW(&windowClass)) return false;
    }
    const RECT& r = entry.outer;
    HWND created = CreateWindowExW(entry.exStyle, className.c_str(), caption.c_str(), entry.style, r.left, r.top,
                                   r.right - r.left, r.bottom - r.top, entry.owner, nullptr, instance, this);
    return created != nullptr;
}

LRESULT WindowBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK WindowBase::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* window = static_cast<WindowBase*>(create->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        LRESULT result = window->HandleMessage(message, wParam, lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        window->hwnd_ = nullptr;
        return result;
    }
    return window->HandleMessage(message, wParam, lParam);
}

}  // namespace zentrova::platform
