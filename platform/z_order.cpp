#include "platform/z_order.h"

namespace zentrova::platform {
namespace {

constexpr UINT kOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

void PlaceAfter(HWND window, HWND after) { SetWindowPos(window, after, 0, 0, 0, 0, kOrderOnly); }

bool IsTopmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

BOOL CALLBACK FindIconHost(HWND window, LPARAM result) {
    if (!FindWindowExW(window, nullptr, L"SHELLDLL_DefView", nullptr)) return TRUE;
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (lstrcmpW(className, L"Progman") != 0 && lstrcmpW(className, L"WorkerW") != 0) return TRUE;
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

// The top-level window holding the desktop's icons: the desktop window
// itself, or (before Windows 11 24H2, once the shell has split the desktop
// for the wallpaper) the "WorkerW" it moved them into. Found afresh each
// time, since a restarted shell makes new ones.
HWND DesktopIconHost() {
    HWND found = nullptr;
    EnumWindows(&FindIconHost, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Puts `window` right above `below`. Where `below` is the highest ordinary
// window, that is the top of the ordinary windows: never into the topmost
// band, which a window placed after a topmost one would join.
void PlaceRightAbove(HWND window, HWND below) {
    const HWND above = GetWindow(below, GW_HWNDPREV);
    if (above == window) return;
    PlaceAfter(window, above && !IsTopmost(above) ? above : HWND_TOP);
}

void PlaceOverDesktop(HWND window) {
    const HWND owner = GetWindow(window, GW_OWNER);
    const HWND lowest = owner ? owner : window;
    if (const HWND host = DesktopIconHost()) {
        PlaceRightAbove(lowest, host);
    } else {
        PlaceAfter(lowest, HWND_BOTTOM);
    }
    if (owner) PlaceRightAbove(window, owner);
}

}  // namespace

void ApplyZOrder(HWND window, ZOrder order) {
    // Each order below the topmost band leaves it first: HWND_NOTOPMOST puts
    // a topmost window on top of the ordinary ones, and does nothing to one
    // that is already ordinary.
    if (order != ZOrder::Topmost && IsTopmost(window)) PlaceAfter(window, HWND_NOTOPMOST);
    switch (order) {
        case ZOrder::Topmost: PlaceAfter(window, HWND_TOPMOST); break;
        // Chosen or shown afresh, an ordinary window starts on top of the
        // others; from then on the user's clicks order it.
        case ZOrder::Normal:
        case ZOrder::UnderTopmost: PlaceAfter(window, HWND_TOP); break;
        case ZOrder::OverDesktop: PlaceOverDesktop(window); break;
    }
}

void RaiseOverTopmost(HWND window) {
    if (!GetWindow(window, GW_HWNDPREV)) PlaceAfter(window, HWND_NOTOPMOST);
    PlaceAfter(window, HWND_TOPMOST);
}

}  // namespace zentrova::platform
