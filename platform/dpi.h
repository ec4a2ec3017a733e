#pragma once
// The DPI of the monitor a window or a point is on. The per-monitor calls
// are looked up at run time, so the program still runs where they are
// missing (Windows 7 and 8 have one DPI for every monitor: the screen's).

#include <windows.h>

namespace zentrova::platform {

// WM_DPICHANGED, which older headers lack.
inline constexpr UINT kDpiChangedMessage = 0x02E0;

// Declares the process per-monitor DPI aware when the manifest has not
// already done so (the manifest is what Windows reads first; this covers a
// system that ignores its newer entries).
void DeclareDpiAwareness();

// The DPI of the monitor the window stands on.
int WindowDpi(HWND window);
// The DPI of the monitor at (or nearest to) a screen point.
int PointDpi(POINT point);

// WM_DPICHANGED's suggested rectangle (in `lParam`) taken by `window`, which
// keeps its physical size on the new monitor.
void TakeSuggestedRect(HWND window, LPARAM lParam);

// The outer rectangle of a window whose client area is `client`, with the
// frame sizes of `dpi`.
RECT OuterRectForClient(SIZE client, DWORD style, DWORD exStyle, int dpi);

}  // namespace zentrova::platform
