// Prints the message boxes and dialogs shown on the desktop, one line each:
// "CAPTION|TEXT|TEXT...", the caption followed by the texts of its static
// controls (a message box's message is one of them, its lines too separated
// by "|"), so a test can read what an error box says:
//   dialog_text [CAPTION]   (only dialogs with exactly that caption)

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/wide_text.h"

namespace {

// UTF-8, whatever the code page: a message may be in any language.
std::string TextOf(HWND window) {
    wchar_t text[8192] = {};
    GetWindowTextW(window, text, 8192);
    return zentrova::platform::Narrow(text);
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK AddStaticText(HWND child, LPARAM line) {
    const std::string kind = ClassOf(child);
    if (_stricmp(kind.c_str(), "Static") != 0) return TRUE;
    const std::string text = TextOf(child);
    if (!text.empty()) *reinterpret_cast<std::string*>(line) += "|" + text;
    return TRUE;
}

BOOL CALLBACK PrintDialog(HWND window, LPARAM wanted) {
    if (!IsWindowVisible(window) || ClassOf(window) != "#32770") return TRUE;
    std::string line = TextOf(window);
    const char* caption = reinterpret_cast<const char*>(wanted);
    if (caption && line != caption) return TRUE;
    EnumChildWindows(window, AddStaticText, reinterpret_cast<LPARAM>(&line));
    // One line per dialog: each line break of a message becomes a "|", as
    // between texts.
    std::string flat;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\r' && i + 1 < line.size() && line[i + 1] == '\n') continue;
        flat += line[i] == '\r' || line[i] == '\n' ? '|' : line[i];
    }
    std::printf("%s\n", flat.c_str());
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    EnumWindows(PrintDialog, reinterpret_cast<LPARAM>(argc > 1 ? argv[1] : nullptr));
    std::fflush(stdout);
    return 0;
}
