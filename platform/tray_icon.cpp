#include "platform/tray_icon.h"

#include <shellapi.h>

#include <cstring>

#include "app/program_names.h"
#include "platform/menu_glyph.h"
#include "platform/wide_text.h"
#include "platform/win32_handles.h"

namespace zentrova::platform {

TrayIcon::TrayIcon(HWND owner, HICON icon) {
    record_.cbSize = NOTIFYICONDATAA_V1_SIZE;  // the 88-byte first version
    record_.hWnd = owner;
    record_.uID = kTrayIconId;
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record_.uCallbackMessage = kTrayCallbackMessage;
    record_.hIcon = icon;
    std::strncpy(record_.szTip, kTrayTip, sizeof(record_.szTip) - 1);
}

TrayIcon::~TrayIcon() {
    if (shown_) Delete();
}

void TrayIcon::Add() {
    // The result is deliberately not checked: without a tray the program
    // still runs and is reached through its display windows' menus.
    Shell_NotifyIconA(NIM_ADD, &record_);
    shown_ = true;
}

void TrayIcon::Delete() {
    Shell_NotifyIconA(NIM_DELETE, &record_);
    shown_ = false;
}

void TrayIcon::OnShellRestarted() {
    if (shown_) Shell_NotifyIconA(NIM_ADD, &record_);
}

UINT TrayIcon::ShellRestartedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

UINT RunTrayMenu(HWND owner, POINT at, bool startWithWindows) {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return 0;
    AppendMenuW(menu.get(), MF_STRING, kTrayCommandSettings, Widen(kMenuSettings).c_str());
    AppendMenuW(menu.get(), MF_STRING | (startWithWindows ? MF_CHECKED : MF_UNCHECKED), kTrayCommandStartWithWindows,
                Widen(kMenuStartWithWindows).c_str());
    AppendMenuW(menu.get(), MF_STRING, kTrayCommandClose, Widen(kMenuClose).c_str());
    UniqueBitmap glyph = MakeCloseGlyph();
    if (glyph) SetMenuItemBitmaps(menu.get(), kTrayCommandClose, MF_BYCOMMAND, glyph.get(), glyph.get());
    // The owner must be in front, or the menu would not close when the user
    // clicks elsewhere.
    SetForegroundWindow(owner);
    UINT command = static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                                    at.x, at.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    return command;
}

}  // namespace zentrova::platform
