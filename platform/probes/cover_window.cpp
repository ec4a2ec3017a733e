// A window of another program for the end-to-end tests of the display
// windows' stepping aside: "cover_window borderless" fills the primary
// monitor with a borderless window, as a full-screen video does;
// "cover_window maximised" shows a framed window maximised. Either comes to
// the front, and ends on Escape, on its close, or after 120 seconds.

#include <windows.h>

#include <cstring>

namespace {

constexpr char kClass[] = "ZentrovaCoverProbe";
constexpr char kCaption[] = "Cover Probe";
constexpr UINT_PTR kLifetimeTimer = 1;
constexpr UINT kLifetimeMs = 120000;

LRESULT CALLBACK CoverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) DestroyWindow(window);
            return 0;
        case WM_TIMER:
            DestroyWindow(window);
            return 0;
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(window, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
            return 1;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const bool maximised = argc > 1 && std::strcmp(argv[1], "maximised") == 0;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = CoverProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClass;
    RegisterClassA(&windowClass);

    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& r = monitor.rcMonitor;
    const DWORD style = maximised ? WS_OVERLAPPEDWINDOW : WS_POPUP;
    HWND window = CreateWindowExA(0, kClass, kCaption, style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) return 1;
    ShowWindow(window, maximised ? SW_SHOWMAXIMIZED : SW_SHOW);
    SetForegroundWindow(window);
    SetTimer(window, kLifetimeTimer, kLifetimeMs, nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
