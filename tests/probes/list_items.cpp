// Prints the lines of the list box in another program's window, one a line
// (UTF-8), so a test can read what a list shows:
//   list_items CAPTION   (the visible top-level window captioned exactly so)
// Exits 1 when there is no such window, 3 when it is hidden, 4 when it
// holds no list box.

#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/wide_text.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const HWND window = FindWindowW(nullptr, zentrova::platform::Widen(argv[1]).c_str());
    if (!window) return 1;
    if (!IsWindowVisible(window)) return 3;
    const HWND list = FindWindowExW(window, nullptr, L"ListBox", nullptr);
    if (!list) return 4;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring line(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        const LRESULT length = SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
        line.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
        std::printf("%s\n", zentrova::platform::Narrow(line).c_str());
    }
    std::fflush(stdout);
    return 0;
}
