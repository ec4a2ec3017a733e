// Finds a control of another program's window and prints where it is on the
// screen, so a test can click it:
//   control_rect CAPTION CLASS LEFT TOP WIDTH HEIGHT
// looks in the visible top-level window captioned CAPTION for a visible
// control of window class CLASS at LEFT, TOP (in its parent's client
// pixels) of WIDTH x HEIGHT, and prints "X Y W H" of it in screen pixels.
// Exits 1 when there is no such window or control.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Search {
    const char* className;
    RECT wanted;  // in the parent's client pixels
    HWND found = nullptr;
};

BOOL CALLBACK Match(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    char name[256] = {};
    GetClassNameA(child, name, sizeof name);
    if (_stricmp(name, search->className) != 0 || !IsWindowVisible(child)) return TRUE;
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    if (EqualRect(&rect, &search->wanted)) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr, "usage: control_rect CAPTION CLASS LEFT TOP WIDTH HEIGHT\n");
        return 2;
    }
    HWND window = FindWindowA(nullptr, argv[1]);
    if (!window || !IsWindowVisible(window)) {
        std::fprintf(stderr, "control_rect: no visible window '%s'\n", argv[1]);
        return 1;
    }
    const int left = std::atoi(argv[3]);
    const int top = std::atoi(argv[4]);
    Search search{argv[2], RECT{left, top, left + std::atoi(argv[5]), top + std::atoi(argv[6])}};
    EnumChildWindows(window, Match, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        std::fprintf(stderr, "control_rect: no %s at %s,%s %sx%s in '%s'\n", argv[2], argv[3], argv[4], argv[5],
                     argv[6], argv[1]);
        return 1;
    }
    RECT screen{};
    GetWindowRect(search.found, &screen);
    std::printf("%ld %ld %ld %ld\n", screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top);
    std::fflush(stdout);
    return 0;
}
