#pragma once
// A tooltip over a whole window whose text depends on where the pointer
// rests: the window's logic names the text, this shows it, and hides the
// tip where there is none.

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "platform/win32_handles.h"

namespace zentrova::platform {

struct WindowTraits {
    static void Free(HWND h) { DestroyWindow(h); }
};
using UniqueWindow = UniqueHandle<HWND, WindowTraits>;

class PointerTip {
public:
    // Made on first use, so windows that never show a tip carry none.
    explicit PointerTip(HWND window) : window_(window) {}

    // The pointer moved: `text` (UTF-8, lines split by '\n') is what it
    // rests on, empty for nothing.
    void Follow(const std::string& text);

private:
    bool Create();
    TOOLINFOW ToolInfo(wchar_t* text) const;
    void RelayPointerMove() const;

    HWND window_;
    UniqueWindow tip_;
    std::string shown_;
};

}  // namespace zentrova::platform
