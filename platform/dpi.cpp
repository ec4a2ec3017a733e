#include "platform/dpi.h"

#include "platform/system_function.h"
#include "platform/win32_handles.h"

namespace zentrova::platform {
namespace {

// Values of the system's DPI_AWARENESS_CONTEXT handles and MONITOR_DPI_TYPE,
// spelled out since older headers lack them.
const auto kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
constexpr int kProcessPerMonitorAware = 2;
constexpr int kEffectiveDpi = 0;

using SetContextFn = BOOL(WINAPI*)(HANDLE);
using SetAwarenessFn = HRESULT(WINAPI*)(int);
using SetAwareFn = BOOL(WINAPI*)();
using DpiForWindowFn = UINT(WINAPI*)(HWND);
using DpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// The one DPI the whole screen has where monitors have no DPI of their own.
int ScreenDpi() {
    ScreenDc screen;
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}

int MonitorDpi(HMONITOR monitor) {
    if (monitor) {
        if (auto dpiForMonitor = SystemFunction<DpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor")) {
            UINT x = 0, y = 0;
            if (SUCCEEDED(dpiForMonitor(monitor, kEffectiveDpi, &x, &y)) && y > 0) return static_cast<int>(y);
        }
    }
    return ScreenDpi();
}

}  // namespace

void DeclareDpiAwareness() {
    if (auto setContext = SystemFunction<SetContextFn>(L"user32.dll", "SetProcessDpiAwarenessContext")) {
        setContext(kPerMonitorAwareV2);
    } else if (auto setAwareness = SystemFunction<SetAwarenessFn>(L"shcore.dll", "SetProcessDpiAwareness")) {
        setAwareness(kProcessPerMonitorAware);
    } else if (auto setAware = SystemFunction<SetAwareFn>(L"user32.dll", "SetProcessDPIAware")) {
        setAware();
    }
}

int WindowDpi(HWND window) {
    if (auto dpiForWindow = SystemFunction<DpiForWindowFn>(L"user32.dll", "GetDpiForWindow")) {
        const UINT dpi = dpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

int PointDpi(POINT point) { return MonitorDpi(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST)); }

void TakeSuggestedRect(HWND window, LPARAM lParam) {
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT OuterRectForClient(SIZE client, DWORD style, DWORD exStyle, int dpi) {
    RECT r{0, 0, client.cx, client.cy};
    auto adjustForDpi = SystemFunction<AdjustForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (!adjustForDpi || !adjustForDpi(&r, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return r;
}

}  // namespace zentrova::platform
