// One plain window of another program and a message loop, linked like the
// program (static runtime, GDI+ and the common controls libraries).
//
//   empty_window [SECONDS]   the memory and CPU baseline: the resource
//                            measurement subtracts what this costs under the
//                            same Wine and display from the program's own
//                            figures; ends by itself after SECONDS, default
//                            never
//   empty_window borderless  "Cover Probe" filling the primary monitor
//                            without a frame, as a full-screen video does
//   empty_window maximised   "Cover Probe" framed and maximised
//   empty_window framed      "Cover Probe" framed, 300 x 700 at the top left
//
// The cover probes come to the front and end on Escape, on their close, or
// after 120 seconds.

#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr UINT_PTR kEndTimer = 1;
constexpr UINT kCoverLifetimeMs = 120000;

LRESULT CALLBACK EmptyProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) DestroyWindow(window);
            return 0;
        case WM_TIMER:
            if (wParam == kEndTimer) DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

struct Shape {
    bool cover;
    const char* caption;
    DWORD style;
    RECT place;
    int show;
    HBRUSH background;
};

Shape ShapeFor(const char* mode) {
    const HBRUSH gray = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    if (std::strcmp(mode, "framed") == 0)
        return {true, "Cover Probe", WS_OVERLAPPEDWINDOW, RECT{0, 0, 300, 700}, SW_SHOW, gray};
    const bool maximised = std::strcmp(mode, "maximised") == 0;
    if (!maximised && std::strcmp(mode, "borderless") != 0)
        return {false, "Zentrova Empty Window", WS_OVERLAPPEDWINDOW, RECT{600, 500, 800, 600}, SW_SHOWNOACTIVATE,
                reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return {true, "Cover Probe", maximised ? WS_OVERLAPPEDWINDOW : WS_POPUP, monitor.rcMonitor,
            maximised ? SW_SHOWMAXIMIZED : SW_SHOW, gray};
}

}  // namespace

int main(int argc, char** argv) {
    const Shape shape = ShapeFor(argc > 1 ? argv[1] : "");
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = EmptyProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = shape.background;
    windowClass.lpszClassName = "ZentrovaEmptyWindow";
    if (!RegisterClassA(&windowClass)) return 1;
    const RECT& r = shape.place;
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, shape.caption, shape.style, r.left, r.top,
                                  r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, shape.show);
    if (shape.cover) {
        SetForegroundWindow(window);
        SetTimer(window, kEndTimer, kCoverLifetimeMs, nullptr);
    } else if (argc > 1) {
        SetTimer(window, kEndTimer, static_cast<UINT>(std::atoi(argv[1])) * 1000u, nullptr);
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
