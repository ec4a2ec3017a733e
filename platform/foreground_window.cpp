#include "platform/foreground_window.h"

#include <windows.h>

#include <dwmapi.h>
#include <shellapi.h>

namespace zentrova::platform {
namespace {

RectI ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The client area in screen pixels.
RectI ClientOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT corners[2] = {{client.left, client.top}, {client.right, client.bottom}};
    MapWindowPoints(window, nullptr, corners, 2);
    return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

// Cloaked windows (on another virtual desktop, or suspended store apps)
// are not seen although the system calls them visible. Where the system
// cannot tell, the window counts as seen.
bool IsCloaked(HWND window) {
    DWORD cloaked = 0;
    return SUCCEEDED(DwmGetWindowAttribute(window, DWMWA_CLOAKED, &cloaked, sizeof(cloaked))) && cloaked != 0;
}

// Whether `window` holds the desktop's icons (their view is its child).
bool HoldsDesktopIcons(HWND window) { return FindWindowExW(window, nullptr, L"SHELLDLL_DefView", nullptr) != nullptr; }

// Whether a visible window of another program lies below `window` in the Z
// order: the desktop brought in front of the other windows, as Show desktop
// does, rather than the desktop at the bottom with a click on it. The
// shell's other desktop windows (the wallpaper's) do not count.
bool StandsAboveOtherWindows(HWND window) {
    constexpr int kMostLooked = 512;  // bounds the walk on a very full desktop
    DWORD ownProcess = GetCurrentProcessId();
    HWND below = GetWindow(window, GW_HWNDNEXT);
    for (int looked = 0; below && looked < kMostLooked; ++looked, below = GetWindow(below, GW_HWNDNEXT)) {
        if (!IsWindowVisible(below) || IsIconic(below) || IsCloaked(below) || below == GetShellWindow()) continue;
        DWORD process = 0;
        GetWindowThreadProcessId(below, &process);
        if (process == ownProcess) continue;
        char className[16] = {};
        GetClassNameA(below, className, sizeof(className));
        if (lstrcmpA(className, "WorkerW") == 0 || lstrcmpA(className, "Progman") == 0) continue;
        RECT r{};
        if (GetWindowRect(below, &r) && r.right > r.left && r.bottom > r.top) return true;
    }
    return false;
}

UserNotificationState NotificationState() {
    QUERY_USER_NOTIFICATION_STATE state{};
    if (FAILED(SHQueryUserNotificationState(&state))) return UserNotificationState::Other;
    if (state == QUNS_RUNNING_D3D_FULL_SCREEN) return UserNotificationState::FullScreenDirect3D;
    if (state == QUNS_PRESENTATION_MODE) return UserNotificationState::PresentationMode;
    return UserNotificationState::Other;
}

}  // namespace

ForegroundWindow ReadForegroundWindow() {
    ForegroundWindow front;
    const HWND window = GetForegroundWindow();
    if (!window) return front;
    front.exists = true;
    front.visible = IsWindowVisible(window) != FALSE;
    front.minimised = IsIconic(window) != FALSE;
    // The rest is needed only for a window that can cover anything.
    if (!front.visible || front.minimised) return front;

    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    front.ownProcess = process == GetCurrentProcessId();
    front.desktopOrShell = window == GetDesktopWindow() || window == GetShellWindow();
    if (front.ownProcess) return front;

    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    front.className = className;
    RECT outer{};
    GetWindowRect(window, &outer);
    front.window = ToRect(outer);
    // What tells Show desktop from a click on the desktop.
    front.holdsDesktopIcons = HoldsDesktopIcons(window);
    if (front.holdsDesktopIcons) front.aboveOtherWindows = StandsAboveOtherWindows(window);
    if (front.desktopOrShell) return front;

    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    front.framed = (style & WS_CAPTION) == WS_CAPTION || (style & WS_THICKFRAME) != 0;
    front.client = ClientOnScreen(window);
    front.cloaked = IsCloaked(window);
    front.notification = NotificationState();
    return front;
}

}  // namespace zentrova::platform
