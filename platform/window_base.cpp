#include "platform/window_base.h"

namespace zentrova::platform {

WindowBase::~WindowBase() {
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool WindowBase::CreateWindowFrom(const WindowOptions& entry) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (!GetClassInfoExA(instance, entry.className, &existing)) {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &WindowBase::Procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.hIcon = entry.icon;
        windowClass.hIconSm = entry.icon;
        windowClass.lpszClassName = entry.className;
        if (!RegisterClassExA(&windowClass)) return false;
    }
    const RECT& r = entry.outer;
    HWND created = CreateWindowExA(entry.exStyle, entry.className, entry.caption, entry.style, r.left, r.top,
                                   r.right - r.left, r.bottom - r.top, entry.owner, nullptr, instance, this);
    return created != nullptr;
}

LRESULT WindowBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK WindowBase::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* window = static_cast<WindowBase*>(create->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<WindowBase*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        LRESULT result = window->HandleMessage(message, wParam, lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        window->hwnd_ = nullptr;
        return result;
    }
    return window->HandleMessage(message, wParam, lParam);
}

}  // namespace zentrova::platform
