// What the system tells the program about monitors and DPI: one line per
// monitor ("monitor LEFT TOP RIGHT BOTTOM dpi DPI [primary]") and the DPI of
// a window at the screen's origin ("window dpi DPI"), on standard output.
// The end-to-end tests read it to know what Wine shows the program.
//
// Usage: monitor_probe

#include <windows.h>

#include <cstdio>

#include "platform/dpi.h"

namespace {

BOOL CALLBACK PrintMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoA(monitor, &info)) return TRUE;
    const RECT& r = info.rcMonitor;
    const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    std::printf("monitor %ld %ld %ld %ld dpi %d%s\n", r.left, r.top, r.right, r.bottom,
                zentrova::platform::PointDpi(centre), (info.dwFlags & MONITORINFOF_PRIMARY) ? " primary" : "");
    return TRUE;
}

}  // namespace

int main() {
    zentrova::platform::DeclareDpiAwareness();
    EnumDisplayMonitors(nullptr, nullptr, &PrintMonitor, 0);
    HWND window = CreateWindowExA(0, "STATIC", "Zentrova Monitor Probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    std::printf("window dpi %d\n", window ? zentrova::platform::WindowDpi(window) : 0);
    if (window) DestroyWindow(window);
    std::fflush(stdout);
    return 0;
}
