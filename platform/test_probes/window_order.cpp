// Where top-level windows stand in the window system's own Z order, on
// standard output:
//   window_order style CAPTION...  a line per caption: "CAPTION topmost",
//                                  "CAPTION normal" or "CAPTION missing"
//   window_order at X Y...         a line per screen point: the caption of
//                                  the top-level window seen there
// Wine raises the X windows of windows without a frame but never lowers
// them, so what X shows of their order is not what the program asked for;
// this is.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void PrintStyle(const char* caption) {
    const HWND window = FindWindowA(nullptr, caption);
    const char* state = !window                                                  ? "missing"
                        : (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) ? "topmost"
                                                                                 : "normal";
    std::printf("%s %s\n", caption, state);
}

void PrintWindowAt(POINT point) {
    char caption[256] = {};
    if (HWND window = WindowFromPoint(point)) GetWindowTextA(GetAncestor(window, GA_ROOT), caption, sizeof caption);
    std::printf("%s\n", caption);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "style") == 0) {
        for (int i = 2; i < argc; ++i) PrintStyle(argv[i]);
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "at") == 0) {
        for (int i = 2; i + 1 < argc; i += 2) PrintWindowAt(POINT{std::atoi(argv[i]), std::atoi(argv[i + 1])});
        return 0;
    }
    std::fprintf(stderr, "usage: window_order style CAPTION... | window_order at X Y...\n");
    return 2;
}
