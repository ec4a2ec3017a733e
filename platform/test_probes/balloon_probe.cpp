// Prints each notification balloon shown on the desktop, one line each:
// "balloon X Y W H". A balloon is a shown top-level tooltip window with the
// balloon style, whichever process shows it (under Wine, the notification
// area's own process); the icon's plain tip has no balloon style.

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>

namespace {

BOOL CALLBACK PrintBalloon(HWND window, LPARAM) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    if (!IsWindowVisible(window) || _stricmp(name, TOOLTIPS_CLASSA) != 0 || !(style & TTS_BALLOON)) return TRUE;
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("balloon %ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return TRUE;
}

}  // namespace

int main() {
    EnumWindows(PrintBalloon, 0);
    std::fflush(stdout);
    return 0;
}
