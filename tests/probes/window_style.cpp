// Whether top-level windows stand in the topmost band: one line per caption
// given, "CAPTION topmost", "CAPTION normal" or "CAPTION missing".
//
// Usage: window_style CAPTION...

#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const HWND window = FindWindowA(nullptr, argv[i]);
        const char* state = !window                                                  ? "missing"
                            : (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) ? "topmost"
                                                                                     : "normal";
        std::printf("%s %s\n", argv[i], state);
    }
    return 0;
}
