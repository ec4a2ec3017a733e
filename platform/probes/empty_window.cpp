// The memory and CPU baseline of a program of this build: one plain window
// and a message loop, linked like the program (static runtime, GDI+ and the
// common controls libraries). The resource measurement subtracts what this
// costs under the same Wine and display from the program's own figures.
//
// Usage: empty_window [SECONDS]   (ends by itself after SECONDS, default never)

#include <windows.h>

#include <cstdlib>

namespace {

constexpr UINT_PTR kEndTimer = 1;

LRESULT CALLBACK EmptyProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
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

}  // namespace

int main(int argc, char** argv) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = EmptyProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "ZentrovaEmptyWindow";
    if (!RegisterClassA(&windowClass)) return 1;
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Zentrova Empty Window", WS_OVERLAPPEDWINDOW,
                                  600, 500, 200, 100, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    if (argc > 1) SetTimer(window, kEndTimer, static_cast<UINT>(std::atoi(argv[1])) * 1000u, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
