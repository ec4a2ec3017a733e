// Read into the process that shows a popup menu: Windows keeps a menu's
// items with the process that made it, so a test reads them from inside.
// accessible_tree hooks the menu window's thread with MenuHook and sends
// the window the registered message "Zentrova.ReadMenu"; the hook then
// writes the items, one UTF-8 line each, to %TEMP%\zentrova-menu.txt.

#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/wide_text.h"

namespace {

void WriteItems(HWND menuWindow) {
    constexpr UINT kGetMenu = 0x01E1;  // MN_GETHMENU
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, kGetMenu, 0, 0));
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"zentrova-menu.txt";
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file) return;
    for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
        wchar_t text[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        std::fprintf(file, "%s\n", zentrova::platform::Narrow(text).c_str());
    }
    std::fclose(file);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MenuHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT readMenu = RegisterWindowMessageW(L"Zentrova.ReadMenu");
    if (code == HC_ACTION) {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (message->message == readMenu) WriteItems(message->hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
